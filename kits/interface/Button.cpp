#include <Button.h>

#include <algorithm>
#include <cmath>

#include <Message.h>

#include <Display.h>

using BPrivate::kMsgControlValue;
using BPrivate::ViewKind;
using BPrivate::ViewState;

BButton::BButton(BRect frame, const char* name, const char* label, BMessage* message,
                 uint32 resizingMode, uint32 flags)
    : BControl(frame, name, label, message, resizingMode, flags)
{
}

BButton::~BButton() = default;

void
BButton::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = std::max(74.0f, std::ceil(StringWidth(Label())) + 20);
	*height = std::ceil(font.ascent + font.descent) + 12;
}

void
BButton::HandleDisplayInput(BMessage* input)
{
	if (input->what != kMsgControlValue) {
		BControl::HandleDisplayInput(input);
		return;
	}
	if (IsEnabled())
		Invoke();
}

void
BButton::FillState(ViewState* state) const
{
	BControl::FillState(state);
	state->kind = ViewKind::Button;
}
