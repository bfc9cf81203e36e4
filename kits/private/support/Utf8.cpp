#include "Utf8.h"

#include <cstring>

namespace BPrivate {

size_t
Utf8::CharacterLength(const std::string& text, size_t offset)
{
	if (offset >= text.size())
		return 0;
	char32_t character;
	return _Decode(reinterpret_cast<const unsigned char*>(text.data()) + offset,
	               text.size() - offset, &character);
}

std::u32string
Utf8::Characters(const char* text)
{
	std::u32string characters;
	if (text == nullptr)
		return characters;
	const unsigned char* byte = reinterpret_cast<const unsigned char*>(text);
	for (size_t left = strlen(text); left > 0;) {
		char32_t character;
		size_t length = _Decode(byte, left, &character);
		characters.push_back(character);
		byte += length;
		left -= length;
	}
	return characters;
}

std::string
Utf8::CutToBytes(const std::string& text, int32 limit)
{
	if (limit <= 0)
		return std::string();
	if (text.size() <= (size_t)limit)
		return text;
	size_t end = 0;
	for (size_t length; (length = CharacterLength(text, end)) > 0 && end + length <= (size_t)limit;)
		end += length;
	return text.substr(0, end);
}

size_t
Utf8::_Decode(const unsigned char* text, size_t available, char32_t* character)
{
	unsigned char lead = text[0];
	*character = lead;
	size_t length = lead < 0x80         ? 1
	                : (lead >> 5) == 6  ? 2
	                : (lead >> 4) == 14 ? 3
	                : (lead >> 3) == 30 ? 4
	                                    : 0;
	if (length <= 1 || length > available)
		return 1;
	char32_t value = lead & (0x7F >> length);
	for (size_t index = 1; index < length; index++) {
		// Continuation bytes are 10xxxxxx.
		if ((text[index] & 0xC0) != 0x80)
			return 1;
		value = (value << 6) | (text[index] & 0x3F);
	}
	static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
	if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
		return 1;
	*character = value;
	return length;
}

} // namespace BPrivate
