// Any bytes as the content of a list file. The entries read never hold a
// line end or a NUL, and written again as a list they read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "list/ListFile.h"

static std::vector<std::string>
ReadText(const std::string& text)
{
	std::vector<std::string> paths;
	ListFile::Parse(text, &paths);
	return paths;
}

extern "C" int
LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	std::string text((const char*)data, size);
	std::vector<std::string> paths = ReadText(text);

	size_t lines = 1;
	for (char byte : text)
		lines += byte == '\n';
	if (paths.size() > lines)
		abort();
	for (const std::string& path : paths) {
		if (path.find_first_of(std::string("\n\0", 2)) != std::string::npos)
			abort();
	}
	if (ReadText(ListFile::Text(paths)) != paths)
		abort();
	return 0;
}
