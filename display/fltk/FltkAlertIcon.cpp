#include "FltkAlertIcon.h"

#include <FL/fl_draw.H>

namespace {

const int kSize = 32;

} // namespace

FltkAlertIcon::FltkAlertIcon(int x, int y, alert_type type)
    : Fl_Widget(x, y, kSize, kSize), fType(type)
{
	box(FL_NO_BOX);
}

alert_type
FltkAlertIcon::Type() const
{
	return fType;
}

void
FltkAlertIcon::draw()
{
	int left = x();
	int top = y();
	const char* mark = "i";
	switch (fType) {
		case B_EMPTY_ALERT:
			return;
		case B_STOP_ALERT: {
			// An octagon: the corners cut by a third of a side.
			int cut = kSize * 3 / 10;
			fl_color(fl_rgb_color(200, 30, 30));
			fl_begin_polygon();
			fl_vertex(left + cut, top);
			fl_vertex(left + kSize - cut, top);
			fl_vertex(left + kSize, top + cut);
			fl_vertex(left + kSize, top + kSize - cut);
			fl_vertex(left + kSize - cut, top + kSize);
			fl_vertex(left + cut, top + kSize);
			fl_vertex(left, top + kSize - cut);
			fl_vertex(left, top + cut);
			fl_end_polygon();
			mark = "!";
			break;
		}
		case B_WARNING_ALERT:
			fl_color(fl_rgb_color(240, 190, 20));
			fl_polygon(left + kSize / 2, top, left + kSize, top + kSize, left, top + kSize);
			mark = "!";
			break;
		case B_INFO_ALERT:
		case B_IDEA_ALERT:
			fl_color(fl_rgb_color(40, 90, 200));
			fl_pie(left, top, kSize, kSize, 0, 360);
			break;
	}
	fl_color(fType == B_WARNING_ALERT ? FL_BLACK : FL_WHITE);
	fl_font(FL_HELVETICA_BOLD, kSize * 2 / 3);
	fl_draw(mark, left, top + (fType == B_WARNING_ALERT ? 4 : 0), kSize, kSize, FL_ALIGN_CENTER,
	        nullptr, 0);
}
