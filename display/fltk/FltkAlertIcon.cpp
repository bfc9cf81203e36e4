#include "FltkAlertIcon.h"

#include <FL/fl_draw.H>

#include "FltkScale.h"

namespace {

// In the kits' coordinates.
const float kSize = 32;

} // namespace

FltkAlertIcon::FltkAlertIcon(int x, int y, alert_type type)
    : Fl_Widget(x, y, FltkScale::Pixels(kSize), FltkScale::Pixels(kSize)), fType(type)
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
	int size = w();
	const char* mark = "i";
	switch (fType) {
		case B_EMPTY_ALERT:
			return;
		case B_STOP_ALERT: {
			// An octagon: the corners cut by a third of a side.
			int cut = size * 3 / 10;
			fl_color(fl_rgb_color(200, 30, 30));
			fl_begin_polygon();
			fl_vertex(left + cut, top);
			fl_vertex(left + size - cut, top);
			fl_vertex(left + size, top + cut);
			fl_vertex(left + size, top + size - cut);
			fl_vertex(left + size - cut, top + size);
			fl_vertex(left + cut, top + size);
			fl_vertex(left, top + size - cut);
			fl_vertex(left, top + cut);
			fl_end_polygon();
			mark = "!";
			break;
		}
		case B_WARNING_ALERT:
			fl_color(fl_rgb_color(240, 190, 20));
			fl_polygon(left + size / 2, top, left + size, top + size, left, top + size);
			mark = "!";
			break;
		case B_INFO_ALERT:
		case B_IDEA_ALERT:
			fl_color(fl_rgb_color(40, 90, 200));
			fl_pie(left, top, size, size, 0, 360);
			break;
	}
	fl_color(fType == B_WARNING_ALERT ? FL_BLACK : FL_WHITE);
	fl_font(FL_HELVETICA_BOLD, size * 2 / 3);
	fl_draw(mark, left, top + (fType == B_WARNING_ALERT ? size / 8 : 0), size, size,
	        FL_ALIGN_CENTER, nullptr, 0);
}
