#include "FltkAlert.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <Message.h>

#include "FltkAlertIcon.h"
#include "FltkText.h"
#include <Display.h>

using namespace BPrivate;

namespace {

const int kMargin = 10;
const int kTextLeft = 56;
const int kButtonGap = 6;
const int kUsualButtonWidth = 75;

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
	std::vector<int> widths = _ButtonWidths();
	int buttonsWidth = 0;
	for (int width : widths)
		buttonsWidth += width + kButtonGap;
	fWidth = std::max(w(), buttonsWidth + kTextLeft + kMargin);

	int textWidth = fWidth - kTextLeft - kMargin;
	int textHeight = std::max(FltkText::WrappedHeight(alert.text, textWidth), 32);
	int buttonHeight = FltkText::LineHeight() + 12;
	fHeight = kMargin + textHeight + kMargin + buttonHeight + kMargin;

	begin();
	new FltkAlertIcon(kMargin + 6, kMargin, alert.type);
	FltkText* text = new FltkText();
	text->resize(kTextLeft, kMargin, textWidth, textHeight);
	text->SetAlignment(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
	text->SetText(alert.text);
	int right = fWidth - kMargin;
	int top = fHeight - kMargin - buttonHeight;
	int count = (int)alert.buttons.size();
	for (int index = count - 1; index >= 0; index--) {
		int left = right - widths[index];
		Fl_Button* button = index == count - 1
		                        ? new Fl_Return_Button(left, top, widths[index], buttonHeight)
		                        : new Fl_Button(left, top, widths[index], buttonHeight);
		button->copy_label(alert.buttons[index].c_str());
		button->callback(_Pressed, reinterpret_cast<void*>((intptr_t)index));
		right = left - kButtonGap;
	}
	end();
}

void
FltkAlert::ScreenFrame(int* x, int* y, int* width, int* height) const
{
	*width = fWidth;
	*height = fHeight;
	*x = Fl::x() + (Fl::w() - fWidth) / 2;
	*y = Fl::y() + (Fl::h() - fHeight) / 3;
}

void
FltkAlert::_Pressed(Fl_Widget* widget, void* index)
{
	BMessage input(kMsgAlertButton);
	input.AddInt32("be:index", (int32) reinterpret_cast<intptr_t>(index));
	static_cast<FltkWindow*>(widget->window())->Post(&input);
}

std::vector<int>
FltkAlert::_ButtonWidths() const
{
	const AlertState& alert = State().alert;
	std::vector<int> widths;
	for (const std::string& label : alert.buttons) {
		int labelWidth = FltkText::Width(label) + 20;
		widths.push_back(alert.buttonWidth == B_WIDTH_FROM_LABEL
		                     ? labelWidth
		                     : std::max(kUsualButtonWidth, labelWidth));
	}
	if (alert.buttonWidth == B_WIDTH_FROM_WIDEST && !widths.empty())
		std::fill(widths.begin(), widths.end(), *std::max_element(widths.begin(), widths.end()));
	return widths;
}
