// Any bytes as the text of a drop. Every path taken is absolute and holds
// no NUL, there is at most one per line, and a path of any bytes but NUL
// comes back whole from its percent-encoded file URI.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/fltk/FltkUriList.h"

// Every byte as an escape; the case of the digits follows the byte's low
// bit, so both cases are read.
static std::string
PercentEncode(const std::string& text)
{
	static const char* const kDigits[] = {"0123456789ABCDEF", "0123456789abcdef"};
	std::string encoded;
	for (char byte : text) {
		unsigned char value = byte;
		const char* digits = kDigits[value & 1];
		encoded += '%';
		encoded += digits[value >> 4];
		encoded += digits[value & 15];
	}
	return encoded;
}

extern "C" int
LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	std::string text((const char*)data, size);
	std::vector<std::string> paths = FltkUriList::Paths(text);
	size_t lines = 1;
	for (char byte : text)
		lines += byte == '\n' || byte == '\r';
	if (paths.size() > lines)
		abort();
	for (const std::string& path : paths) {
		if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos)
			abort();
	}

	std::string decoded = FltkUriList::PercentDecode(text);
	if (decoded.size() > text.size())
		abort();
	if (FltkUriList::PercentDecode(PercentEncode(text)) != text)
		abort();

	std::string path = "/" + text.substr(0, text.find('\0'));
	if (FltkUriList::Paths("file://" + PercentEncode(path)) != std::vector<std::string>{})
		abort();
	std::vector<std::string> local = FltkUriList::Paths("file:///" + PercentEncode(path.substr(1)));
	if (local != std::vector<std::string>{path})
		abort();
	return 0;
}
