// Utf8: where the characters of UTF-8 text begin and end. The kits count
// text in bytes, the displays in characters; both split it here.
//
// A character is a valid sequence: the shortest form of a code point up to
// U+10FFFF that is not a surrogate. Any other byte is a character of its
// own, the Latin-1 character of its value, as the screen draws it; so every
// byte belongs to exactly one character.
#ifndef _UTF8_H
#define _UTF8_H

#include <string>

#include <SupportDefs.h>

namespace BPrivate {

class Utf8 {
public:
	// The length in bytes of the character that starts at text[offset];
	// 0 at the end of the text.
	static size_t CharacterLength(const std::string& text, size_t offset);
	// The characters of a text; none for null.
	static std::u32string Characters(const char* text);
	// The longest start of text that has at most limit bytes and ends at
	// the end of a character; nothing when limit is 0 or less.
	static std::string CutToBytes(const std::string& text, int32 limit);

private:
	// The character at text, of at most available bytes: its length and,
	// in *character, its code point.
	static size_t _Decode(const unsigned char* text, size_t available, char32_t* character);
};

} // namespace BPrivate

#endif // _UTF8_H
