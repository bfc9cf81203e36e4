// FixedFont: font metrics where every character (every UTF-8 code point) has
// the same width. The headless display measures with one, so geometry in
// tests is exact; the kits fall back to the reference font when no display
// is installed.
//
// The reference font: ascent 10, descent 2, leading 2, every character 6
// wide. With it a button is 24 high and at least 74 wide, a menu bar 19
// high and a tab 20 high.
#ifndef FIXED_FONT_H
#define FIXED_FONT_H

#include <Font.h>

namespace BPrivate {

struct FixedFont {
	font_height height;
	float characterWidth;

	float StringWidth(const char* text) const;

	static FixedFont Reference();
};

} // namespace BPrivate

#endif // FIXED_FONT_H
