#include "FltkFontMetrics.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace {

// The length of the valid UTF-8 sequence at text, 0 when there is none.
int
SequenceLength(const unsigned char* text, char32_t* character)
{
	unsigned char lead = text[0];
	int length = lead < 0x80         ? 1
	             : (lead >> 5) == 6  ? 2
	             : (lead >> 4) == 14 ? 3
	             : (lead >> 3) == 30 ? 4
	                                 : 0;
	if (length == 0)
		return 0;
	char32_t value = length == 1 ? lead : lead & (0x7F >> length);
	for (int index = 1; index < length; index++) {
		if ((text[index] & 0xC0) != 0x80)
			return 0;
		value = (value << 6) | (text[index] & 0x3F);
	}
	static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
	if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
		return 0;
	*character = value;
	return length;
}

} // namespace

FltkFontMetrics::FltkFontMetrics() : fHeight{0, 0, 0} {}

// The leading space says "plain" to FLTK's font names.
const char* const FltkFontMetrics::kFace = " Helvetica";

void
FltkFontMetrics::Install()
{
	Fl::set_font(FL_HELVETICA, kFace);
	FL_NORMAL_SIZE = kSize;
}

void
FltkFontMetrics::Select()
{
	fl_font(FL_HELVETICA, kSize);
}

void
FltkFontMetrics::Measure(const std::u32string& characters)
{
	Select();
	font_height height;
	height.descent = fl_descent();
	height.ascent = fl_height() - fl_descent();
	height.leading = 0;
	std::map<char32_t, float> widths;
	for (char32_t character : characters)
		widths[character] = fl_width((unsigned int)character);
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
	std::u32string characters = Characters(text);
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
FltkFontMetrics::Characters(const char* text)
{
	std::u32string characters;
	if (text == nullptr)
		return characters;
	const unsigned char* byte = reinterpret_cast<const unsigned char*>(text);
	while (*byte != 0) {
		char32_t character;
		int length = SequenceLength(byte, &character);
		if (length == 0) {
			character = *byte;
			length = 1;
		}
		characters.push_back(character);
		byte += length;
	}
	return characters;
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
