#include <TextView.h>

#include <climits>

#include <Message.h>

#include <Display.h>
#include <Utf8.h>

using BPrivate::kMsgTextChanged;
using BPrivate::Utf8;
using BPrivate::ViewKind;
using BPrivate::ViewState;

BTextView::BTextView(BRect frame, const char* name, BRect textRect, uint32 resizingMode,
                     uint32 flags)
    : BView(frame, name, resizingMode, flags), fMaxBytes(INT32_MAX), fEditable(true),
      fTextRect(textRect)
{
}

BTextView::~BTextView() = default;

void
BTextView::SetText(const char* text)
{
	_Change(text);
}

const char*
BTextView::Text() const
{
	return fText.c_str();
}

int32
BTextView::TextLength() const
{
	return (int32)fText.size();
}

void
BTextView::SetMaxBytes(int32 maxBytes)
{
	fMaxBytes = maxBytes < 0 ? 0 : maxBytes;
	if ((int32)fText.size() > fMaxBytes)
		_Change(fText.c_str());
	else
		Invalidate();
}

int32
BTextView::MaxBytes() const
{
	return fMaxBytes;
}

void
BTextView::MakeEditable(bool editable)
{
	fEditable = editable;
	Invalidate();
}

bool
BTextView::IsEditable() const
{
	return fEditable;
}

BRect
BTextView::TextRect() const
{
	return fTextRect;
}

void
BTextView::TextChanged()
{
}

void
BTextView::HandleDisplayInput(BMessage* input)
{
	const char* text;
	if (input->what != kMsgTextChanged) {
		BView::HandleDisplayInput(input);
		return;
	}
	if (!fEditable || input->FindString("be:text", &text) != B_OK)
		return;
	if (Utf8::CutToBytes(text, fMaxBytes) != fText)
		_Change(text);
}

void
BTextView::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::TextView;
	state->text = fText;
	state->maxBytes = fMaxBytes;
	state->enabled = fEditable;
}

void
BTextView::_Change(const char* text)
{
	fText = Utf8::CutToBytes(text != nullptr ? text : "", fMaxBytes);
	Invalidate();
	TextChanged();
}
