#include <CheckBox.h>

#include <cmath>

#include <Display.h>

using BPrivate::ViewKind;
using BPrivate::ViewState;

BCheckBox::BCheckBox(BRect frame, const char* name, const char* label, BMessage* message,
                     uint32 resizingMode, uint32 flags)
    : BControl(frame, name, label, message, resizingMode, flags)
{
}

BCheckBox::~BCheckBox() = default;

void
BCheckBox::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = std::ceil(StringWidth(Label())) + 22;
	*height = std::ceil(font.ascent + font.descent + font.leading) + 6;
}

void
BCheckBox::FillState(ViewState* state) const
{
	BControl::FillState(state);
	state->kind = ViewKind::CheckBox;
}
