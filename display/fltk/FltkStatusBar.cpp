#include "FltkStatusBar.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

using namespace BPrivate;

FltkStatusBar::FltkStatusBar(int32 token)
    : Fl_Widget(0, 0, 1, 1), FltkWidget(ViewKind::StatusBar, token), fFilled(0)
{
	box(FL_DOWN_BOX);
	color(FL_BACKGROUND2_COLOR);
	selection_color(fl_rgb_color(50, 100, 200));
}

Fl_Widget*
FltkStatusBar::Widget()
{
	return this;
}

void
FltkStatusBar::Show(const ViewState& state, const ViewState*)
{
	fLeft = state.label + state.text;
	fRight = state.trailingText + state.trailingLabel;
	fFilled = state.barMax > 0 ? std::clamp(state.barValue / state.barMax, 0.0f, 1.0f) : 0;
}

void
FltkStatusBar::draw()
{
	fl_font(labelfont(), labelsize());
	int line = fl_height();
	int barTop = y() + line + 2;
	int barHeight = std::max(h() - line - 2, 2);

	// The text line lies on the parent's background: the window draws
	// everything again on each update.
	fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
	fl_push_clip(x(), y(), w(), line);
	fl_draw(fLeft.c_str(), x(), y(), w(), line, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
	fl_draw(fRight.c_str(), x(), y(), w(), line, FL_ALIGN_RIGHT | FL_ALIGN_INSIDE, nullptr, 0);
	fl_pop_clip();

	draw_box(box(), x(), barTop, w(), barHeight, color());
	int inset = Fl::box_dx(box());
	int inner = w() - Fl::box_dw(box());
	int filled = (int)(inner * fFilled + 0.5f);
	if (filled > 0) {
		fl_rectf(x() + inset, barTop + Fl::box_dy(box()), filled, barHeight - Fl::box_dh(box()),
		         selection_color());
	}
}
