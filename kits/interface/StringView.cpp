#include <StringView.h>

#include <cmath>

#include <Display.h>

using BPrivate::ViewKind;
using BPrivate::ViewState;

BStringView::BStringView(BRect frame, const char* name, const char* text, uint32 resizingMode,
                         uint32 flags)
    : BView(frame, name, resizingMode, flags), fText(text != nullptr ? text : "")
{
}

BStringView::~BStringView() = default;

void
BStringView::SetText(const char* text)
{
	const char* wanted = text != nullptr ? text : "";
	// The same text again shows nothing new.
	if (fText == wanted)
		return;
	fText = wanted;
	Invalidate();
}

const char*
BStringView::Text() const
{
	return fText.c_str();
}

void
BStringView::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = std::ceil(StringWidth(fText.c_str()));
	*height = std::ceil(font.ascent + font.descent + font.leading);
}

void
BStringView::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::StringView;
	state->text = fText;
}
