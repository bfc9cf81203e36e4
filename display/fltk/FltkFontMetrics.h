// FltkFontMetrics: the measures of the screen's plain font, for the kits'
// preferred sizes, readable from any thread.
//
// Only the screen thread may ask FLTK, so it measures: the font's height
// and the widths of the printable Latin-1 characters when the screen opens,
// any other character the first time a text needs it (Measure()). A text's
// width is the sum of its characters' widths, as FLTK itself adds them up.
// The screen draws the font at the display's factor (FltkScale); the
// measures are kept in the kits' coordinates.
//
// Threads: Measure() and Select() on the screen thread only; the rest from
// any thread. One mutex guards the table.
#ifndef FLTK_FONT_METRICS_H
#define FLTK_FONT_METRICS_H

#include <map>
#include <mutex>
#include <string>

#include <Font.h>

class FltkFontMetrics {
public:
	// The plain font: a face with Helvetica's measures (the BeOS plain
	// font is one), which fontconfig maps to what is installed; its size in
	// the kits' coordinates.
	static const char* const kFace;
	static const int kSize = 11;

	FltkFontMetrics();

	// Makes the plain font FLTK's font for labels and texts, at its size
	// on the screen. Once, when the screen opens, after the factor is set.
	static void Install();
	// The plain font's size on the screen, in pixels: never larger than
	// the factor makes it, so that no text grows beyond its place.
	static int ScreenSize();
	// Makes the plain font FLTK's current one, for measuring.
	static void Select();
	// Measures the height and these characters, and remembers them.
	void Measure(const std::u32string& characters);

	font_height Height() const;
	// The width of text when every character of it is known; otherwise
	// false, with the unknown characters in *missing.
	bool Width(const char* text, float* width, std::u32string* missing) const;

	// The printable Latin-1 characters, measured when the screen opens.
	static std::u32string Latin1();

private:
	mutable std::mutex fLock;
	font_height fHeight;
	std::map<char32_t, float> fWidths;
};

#endif // FLTK_FONT_METRICS_H
