#include "FltkAlert.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <Message.h>

#include "FltkAlertIcon.h"
#include "FltkKeys.h"
#include "FltkScale.h"
#include "FltkText.h"
#include <Display.h>

using namespace BPrivate;

namespace {

// In the kits' coordinates.
const float kMargin = 10;
const float kTextLeft = 56;
const float kIconLeft = 16;
const float kButtonGap = 6;
const float kUsualButtonWidth = 75;
const float kIconSize = 32;
// Around a button's label, across and down.
const float kButtonPadding = 20;
const float kButtonPaddingDown = 12;

} // namespace

FltkAlert::FltkAlert(const WindowState& state, Listener listener)
    : FltkWindow(state, std::move(listener)), fBuilt(false), fWidth(w()), fHeight(h())
{
}

void
FltkAlert::SyncContent()
{
	if (fBuilt)
		return;
	fBuilt = true;
	const AlertState& alert = State().alert;
	int margin = FltkScale::Pixels(kMargin);
	int textLeft = FltkScale::Pixels(kTextLeft);
	int gap = FltkScale::Pixels(kButtonGap);
	std::vector<int> widths = _ButtonWidths();
	int buttonsWidth = 0;
	for (int width : widths)
		buttonsWidth += width + gap;
	fWidth = std::max(w(), buttonsWidth + textLeft + margin);

	int textWidth = fWidth - textLeft - margin;
	int textHeight =
	    std::max(FltkText::WrappedHeight(alert.text, textWidth), FltkScale::Pixels(kIconSize));
	int buttonHeight = FltkText::LineHeight() + FltkScale::Pixels(kButtonPaddingDown);
	fHeight = margin + textHeight + margin + buttonHeight + margin;

	begin();
	new FltkAlertIcon(FltkScale::Pixels(kIconLeft), margin, alert.type);
	FltkText* text = new FltkText();
	text->resize(textLeft, margin, textWidth, textHeight);
	text->SetAlignment(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
	text->SetText(alert.text);
	int right = fWidth - margin;
	int top = fHeight - margin - buttonHeight;
	int count = (int)alert.buttons.size();
	for (int index = count - 1; index >= 0; index--) {
		int left = right - widths[index];
		Fl_Button* button = index == count - 1
		                        ? new Fl_Return_Button(left, top, widths[index], buttonHeight)
		                        : new Fl_Button(left, top, widths[index], buttonHeight);
		button->copy_label(alert.buttons[index].c_str());
		button->callback(_Pressed, reinterpret_cast<void*>((intptr_t)index));
		right = left - gap;
	}
	end();
}

void
FltkAlert::ScreenFrame(int* x, int* y, int* width, int* height) const
{
	*width = fWidth;
	*height = fHeight;
	if (const FltkWindow* owner = Owner()) {
		*x = owner->x() + (owner->w() - fWidth) / 2;
		*y = owner->y() + (owner->h() - fHeight) / 2;
		return;
	}
	*x = Fl::x() + (Fl::w() - fWidth) / 2;
	*y = Fl::y() + (Fl::h() - fHeight) / 3;
}

int
FltkAlert::handle(int event)
{
	if (event == FL_SHORTCUT && Fl::event_state(FL_CTRL | FL_ALT) == 0) {
		int32 button = _ButtonFor(FltkKeys::Bytes());
		if (button >= 0) {
			_Press(button);
			return 1;
		}
	}
	return FltkWindow::handle(event);
}

void
FltkAlert::_Pressed(Fl_Widget* widget, void* index)
{
	static_cast<FltkAlert*>(widget->window())->_Press((int32) reinterpret_cast<intptr_t>(index));
}

void
FltkAlert::_Press(int32 index)
{
	BMessage input(kMsgAlertButton);
	input.AddInt32("be:index", index);
	Post(&input);
}

int32
FltkAlert::_ButtonFor(const std::string& bytes) const
{
	const AlertState& alert = State().alert;
	if (bytes.size() != 1)
		return -1;
	for (int32 index = 0; index < (int32)alert.shortcuts.size(); index++) {
		if (alert.shortcuts[index] == bytes[0])
			return index;
	}
	return bytes[0] == B_ESCAPE && alert.buttons.size() == 1 ? 0 : -1;
}

std::vector<int>
FltkAlert::_ButtonWidths() const
{
	const AlertState& alert = State().alert;
	std::vector<int> widths;
	for (const std::string& label : alert.buttons) {
		int labelWidth = FltkText::Width(label) + FltkScale::Pixels(kButtonPadding);
		widths.push_back(alert.buttonWidth == B_WIDTH_FROM_LABEL
		                     ? labelWidth
		                     : std::max(FltkScale::Pixels(kUsualButtonWidth), labelWidth));
	}
	if (alert.buttonWidth == B_WIDTH_FROM_WIDEST && !widths.empty())
		std::fill(widths.begin(), widths.end(), *std::max_element(widths.begin(), widths.end()));
	return widths;
}
