#include <TextControl.h>

#include <algorithm>
#include <cmath>

#include <Message.h>
#include <TextView.h>

#include <Display.h>

using BPrivate::kMsgTextChanged;
using BPrivate::ViewKind;
using BPrivate::ViewState;

// The field of a text control: reports every change to the control.
class BTextControl::TextInput : public BTextView {
public:
	TextInput(BRect frame, BTextControl* control)
	    : BTextView(frame, "_input_", frame.OffsetToCopy(0, 0),
	                B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP_BOTTOM, B_WILL_DRAW | B_NAVIGABLE),
	      fControl(control)
	{
	}

	using BTextView::HandleDisplayInput;

protected:
	void
	TextChanged() override
	{
		fControl->_Modified();
	}

private:
	BTextControl* fControl;
};

BTextControl::BTextControl(BRect frame, const char* name, const char* label, const char* text,
                           BMessage* message, uint32 resizingMode, uint32 flags)
    : BControl(frame, name, label, message, resizingMode, flags), fText(nullptr),
      fModificationMessage(nullptr),
      fDivider(label != nullptr && label[0] != '\0' ? std::floor(frame.Width() / 2) : 0)
{
	float width;
	float height;
	GetPreferredSize(&width, &height);
	ResizeTo(Bounds().Width(), height);
	BRect bounds = Bounds();
	fText = new TextInput(BRect(fDivider + 2, 2, bounds.right - 2, bounds.bottom - 2), this);
	fText->SetText(text);
	AddChild(fText);
}

BTextControl::~BTextControl()
{
	delete fModificationMessage;
}

void
BTextControl::SetText(const char* text)
{
	fText->SetText(text);
}

const char*
BTextControl::Text() const
{
	return fText->Text();
}

BTextView*
BTextControl::TextView() const
{
	return fText;
}

void
BTextControl::SetModificationMessage(BMessage* message)
{
	if (message != fModificationMessage)
		delete fModificationMessage;
	fModificationMessage = message;
}

BMessage*
BTextControl::ModificationMessage() const
{
	return fModificationMessage;
}

void
BTextControl::SetDivider(float divider)
{
	float dx = divider - fDivider;
	fDivider = divider;
	fText->MoveBy(dx, 0);
	fText->ResizeBy(-dx, 0);
	Invalidate();
}

float
BTextControl::Divider() const
{
	return fDivider;
}

void
BTextControl::SetEnabled(bool enabled)
{
	BControl::SetEnabled(enabled);
	fText->MakeEditable(enabled);
}

void
BTextControl::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = std::max(Bounds().Width(), std::ceil(StringWidth(Label())) + 20);
	*height = std::ceil(font.ascent + font.descent + font.leading) + 4;
}

void
BTextControl::HandleDisplayInput(BMessage* input)
{
	if (input->what == kMsgTextChanged)
		fText->HandleDisplayInput(input);
	else
		BControl::HandleDisplayInput(input);
}

void
BTextControl::FillState(ViewState* state) const
{
	BControl::FillState(state);
	state->kind = ViewKind::TextControl;
	state->divider = fDivider;
	state->text = fText->Text();
}

void
BTextControl::_Modified()
{
	Invalidate();
	if (fModificationMessage != nullptr)
		Invoke(fModificationMessage);
}
