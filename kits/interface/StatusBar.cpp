#include <StatusBar.h>

#include <algorithm>
#include <cmath>

#include <Display.h>

using BPrivate::ViewKind;
using BPrivate::ViewState;

static const float kMaxValue = 100;
static const float kBarHeight = 16;

BStatusBar::BStatusBar(BRect frame, const char* name, const char* label, const char* trailingLabel)
    : BView(frame, name, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW),
      fLabel(label != nullptr ? label : ""),
      fTrailingLabel(trailingLabel != nullptr ? trailingLabel : ""), fValue(0)
{
}

BStatusBar::~BStatusBar() = default;

void
BStatusBar::SetTo(float value, const char* text, const char* trailingText)
{
	float kept = std::clamp(value, 0.0f, kMaxValue);
	bool changed = kept != fValue;
	fValue = kept;
	changed = _Change(&fText, text) || changed;
	changed = _Change(&fTrailingText, trailingText) || changed;
	if (changed)
		Invalidate();
}

void
BStatusBar::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = Bounds().Width();
	*height = std::ceil(font.ascent + font.descent + font.leading) + 2 + kBarHeight;
}

void
BStatusBar::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::StatusBar;
	state->label = fLabel;
	state->text = fText;
	state->trailingLabel = fTrailingLabel;
	state->trailingText = fTrailingText;
	state->barValue = fValue;
	state->barMax = kMaxValue;
}

// True when the field changed.
bool
BStatusBar::_Change(std::string* field, const char* text)
{
	const char* wanted = text != nullptr ? text : "";
	if (*field == wanted)
		return false;
	*field = wanted;
	return true;
}
