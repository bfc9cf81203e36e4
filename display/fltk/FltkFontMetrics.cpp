#include "FltkFontMetrics.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <cmath>

#include <Utf8.h>

#include "FltkScale.h"

using BPrivate::Utf8;

FltkFontMetrics::FltkFontMetrics() : fHeight{0, 0, 0} {}

// The leading space says "plain" to FLTK's font names.
const char* const FltkFontMetrics::kFace = " Helvetica";

void
FltkFontMetrics::Install()
{
	Fl::set_font(FL_HELVETICA, kFace);
	FL_NORMAL_SIZE = ScreenSize();
}

int
FltkFontMetrics::ScreenSize()
{
	// A hair above the exact product, so that 11 * 1.5 stays 16 and 11 *
	// 2 does not round down to 21.
	return (int)std::floor(kSize * FltkScale::Factor() + 1e-6);
}

void
FltkFontMetrics::Select()
{
	fl_font(FL_HELVETICA, ScreenSize());
}

void
FltkFontMetrics::Measure(const std::u32string& characters)
{
	Select();
	font_height height;
	height.descent = FltkScale::Kit(fl_descent());
	height.ascent = FltkScale::Kit(fl_height() - fl_descent());
	height.leading = 0;
	std::map<char32_t, float> widths;
	for (char32_t character : characters)
		widths[character] = (float)(fl_width((unsigned int)character) / FltkScale::Factor());
	std::scoped_lock lock(fLock);
	fHeight = height;
	fWidths.insert(widths.begin(), widths.end());
}

font_height
FltkFontMetrics::Height() const
{
	std::scoped_lock lock(fLock);
	return fHeight;
}

bool
FltkFontMetrics::Width(const char* text, float* width, std::u32string* missing) const
{
	std::u32string characters = Utf8::Characters(text);
	std::scoped_lock lock(fLock);
	*width = 0;
	for (char32_t character : characters) {
		auto found = fWidths.find(character);
		if (found == fWidths.end())
			missing->push_back(character);
		else
			*width += found->second;
	}
	return missing->empty();
}

std::u32string
FltkFontMetrics::Latin1()
{
	std::u32string characters;
	for (char32_t character = 0x20; character <= 0xFF; character++) {
		if (character < 0x7F || character >= 0xA0)
			characters.push_back(character);
	}
	return characters;
}
