#include <StatusBar.h>

#include <algorithm>
#include <cmath>

#include <Display.h>

using BPrivate::ViewKind;
using BPrivate::ViewState;

static const float kDefaultBarHeight = 16;

BStatusBar::BStatusBar(BRect frame, const char* name, const char* label, const char* trailingLabel)
    : BView(frame, name, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW),
      fLabel(label != nullptr ? label : ""),
      fTrailingLabel(trailingLabel != nullptr ? trailingLabel : ""), fValue(0), fMax(100),
      fBarHeight(kDefaultBarHeight)
{
}

BStatusBar::~BStatusBar() = default;

void
BStatusBar::SetTo(float value, const char* text, const char* trailingText)
{
	_Set(value, text, trailingText);
}

void
BStatusBar::Update(float delta, const char* text, const char* trailingText)
{
	_Set(fValue + delta, text, trailingText);
}

void
BStatusBar::Reset(const char* label, const char* trailingLabel)
{
	fLabel = label != nullptr ? label : "";
	fTrailingLabel = trailingLabel != nullptr ? trailingLabel : "";
	fText.clear();
	fTrailingText.clear();
	fValue = 0;
	Invalidate();
}

void
BStatusBar::SetText(const char* text)
{
	_Set(fValue, text, fTrailingText.c_str());
}

void
BStatusBar::SetTrailingText(const char* text)
{
	_Set(fValue, fText.c_str(), text);
}

void
BStatusBar::SetMaxValue(float max)
{
	fMax = std::max(max, 0.0f);
	fValue = std::min(fValue, fMax);
	Invalidate();
}

void
BStatusBar::SetBarHeight(float height)
{
	fBarHeight = std::max(height, 1.0f);
	Invalidate();
}

float
BStatusBar::CurrentValue() const
{
	return fValue;
}

float
BStatusBar::MaxValue() const
{
	return fMax;
}

float
BStatusBar::BarHeight() const
{
	return fBarHeight;
}

const char*
BStatusBar::Label() const
{
	return fLabel.c_str();
}

const char*
BStatusBar::TrailingLabel() const
{
	return fTrailingLabel.c_str();
}

const char*
BStatusBar::Text() const
{
	return fText.c_str();
}

const char*
BStatusBar::TrailingText() const
{
	return fTrailingText.c_str();
}

void
BStatusBar::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	*width = Bounds().Width();
	*height = std::ceil(font.ascent + font.descent + font.leading) + 2 + fBarHeight;
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
	state->barMax = fMax;
	state->barHeight = fBarHeight;
}

void
BStatusBar::_Set(float value, const char* text, const char* trailingText)
{
	bool changed = false;
	float kept = std::clamp(value, 0.0f, fMax);
	if (kept != fValue) {
		fValue = kept;
		changed = true;
	}
	_Change(&fText, text, &changed);
	_Change(&fTrailingText, trailingText, &changed);
	if (changed)
		Invalidate();
}

void
BStatusBar::_Change(std::string* field, const char* text, bool* changed)
{
	const char* wanted = text != nullptr ? text : "";
	if (*field == wanted)
		return;
	*field = wanted;
	*changed = true;
}
