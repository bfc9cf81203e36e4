#include "FltkUtf8.h"

std::string
FltkUtf8::CutToBytes(const std::string& text, int32 limit)
{
	if (limit <= 0 || (int32)text.size() <= limit)
		return text;
	size_t end = limit;
	// Continuation bytes (10xxxxxx) belong to the character before them.
	while (end > 0 && (text[end] & 0xC0) == 0x80)
		end--;
	return text.substr(0, end);
}
