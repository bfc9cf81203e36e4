// FltkScale: how the kits' coordinates reach the screen's pixels. One factor
// for the whole display, taken from the desktop when the screen opens.
// Fonts, frames, lines and pictures all scale by it, so a window lays out as
// it does at 1 at any factor; the kits keep computing in their own
// coordinates and never see it.
//
// Rounding: a rectangle's edges are mapped one by one (not its corner and
// its size), so views that touch in the kits touch on the screen, and a
// view's place does not depend on how deep it lies in the view tree.
//
// Threads: Set() on the screen thread while the display opens, before any
// kit thread can ask for a measure or hand it an update; the rest from any
// thread.
#ifndef FLTK_SCALE_H
#define FLTK_SCALE_H

#include <string>

#include <Rect.h>

class FltkScale {
public:
	// The program's own setting, which wins over the desktop's.
	static const char* const kVariable;
	static constexpr double kSmallest = 1;
	static constexpr double kLargest = 4;

	// The factor for these settings: own (the value of kVariable), else
	// Xft.dpi in the X resources (96 dots an inch is 1), else gdkScale
	// (GDK_SCALE), else 1. A setting that is not a number is skipped; the
	// factor is kept between kSmallest and kLargest.
	static double FromDesktop(const char* own, const std::string& resources, const char* gdkScale);

	static void Set(double factor);
	static double Factor();

	// A coordinate or a length of the kits, in pixels.
	static int Pixels(float kit);
	// A rectangle of the kits (edges included, as BRect has them) as the
	// pixels it covers.
	static void Rect(const BRect& frame, int* x, int* y, int* width, int* height);
	// Pixels back in the kits' coordinates.
	static float Kit(int pixels);
	// The width of a drawn line: one pixel at 1.
	static int Line();
};

#endif // FLTK_SCALE_H
