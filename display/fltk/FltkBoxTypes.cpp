#include "FltkBoxTypes.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>

#include "FltkScale.h"

namespace {

int sLine = 1;

// FLTK's frame patterns: a ring a group of four grey levels (bottom, right,
// top, left), from the outside in; each ring is drawn sLine pixels thick.
constexpr char kUp[] = "AAWWMMTT";
constexpr char kDown[] = "WWHHPPAA";
constexpr char kThinUp[] = "WWHH";
constexpr char kThinDown[] = "HHWW";
constexpr char kBorder[] = "AAAA";

// A box type: the frame drawn in the pattern, with the inside filled in the
// box's colour or left as it is.
template <const char* Pattern, bool Fill>
void
Box(int x, int y, int width, int height, Fl_Color color)
{
	std::string thick;
	for (const char* ring = Pattern; *ring != '\0'; ring += 4) {
		for (int line = 0; line < sLine; line++)
			thick.append(ring, 4);
	}
	if (Fill) {
		int inset = (int)thick.size() / 4;
		fl_color(Fl::draw_box_active() ? color : fl_inactive(color));
		fl_rectf(x + inset, y + inset, width - 2 * inset, height - 2 * inset);
	}
	fl_frame2(thick.c_str(), x, y, width, height);
}

} // namespace

void
FltkBoxTypes::Install()
{
	sLine = FltkScale::Line();
	if (sLine == 1)
		return;
	uchar one = (uchar)sLine;
	uchar two = (uchar)(2 * sLine);
	uchar four = (uchar)(4 * sLine);
	Fl::set_boxtype(FL_UP_BOX, Box<kUp, true>, two, two, four, four);
	Fl::set_boxtype(FL_DOWN_BOX, Box<kDown, true>, two, two, four, four);
	Fl::set_boxtype(FL_UP_FRAME, Box<kUp, false>, two, two, four, four);
	Fl::set_boxtype(FL_DOWN_FRAME, Box<kDown, false>, two, two, four, four);
	Fl::set_boxtype(FL_THIN_UP_BOX, Box<kThinUp, true>, one, one, two, two);
	Fl::set_boxtype(FL_THIN_DOWN_BOX, Box<kThinDown, true>, one, one, two, two);
	Fl::set_boxtype(FL_BORDER_BOX, Box<kBorder, true>, one, one, two, two);
}
