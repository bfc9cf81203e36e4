#include "FltkUriList.h"

namespace {

int
HexValue(char digit)
{
	if (digit >= '0' && digit <= '9')
		return digit - '0';
	if (digit >= 'a' && digit <= 'f')
		return digit - 'a' + 10;
	if (digit >= 'A' && digit <= 'F')
		return digit - 'A' + 10;
	return -1;
}

bool
StartsWithNoCase(const std::string& text, const std::string& prefix)
{
	if (text.size() < prefix.size())
		return false;
	for (size_t index = 0; index < prefix.size(); index++) {
		char byte = text[index];
		if (byte >= 'A' && byte <= 'Z')
			byte = byte - 'A' + 'a';
		if (byte != prefix[index])
			return false;
	}
	return true;
}

} // namespace

std::vector<std::string>
FltkUriList::Paths(const std::string& text)
{
	std::vector<std::string> paths;
	size_t start = 0;
	while (start < text.size()) {
		size_t end = text.find_first_of("\r\n", start);
		if (end == std::string::npos)
			end = text.size();
		std::string path;
		if (_PathOfLine(text.substr(start, end - start), &path))
			paths.push_back(path);
		start = end + 1;
	}
	return paths;
}

std::string
FltkUriList::PercentDecode(const std::string& text)
{
	std::string decoded;
	decoded.reserve(text.size());
	for (size_t index = 0; index < text.size(); index++) {
		int high = text[index] == '%' && index + 2 < text.size() ? HexValue(text[index + 1]) : -1;
		int low = high >= 0 ? HexValue(text[index + 2]) : -1;
		if (low >= 0) {
			decoded += (char)(high * 16 + low);
			index += 2;
		} else {
			decoded += text[index];
		}
	}
	return decoded;
}

bool
FltkUriList::_PathOfLine(const std::string& line, std::string* path)
{
	if (line.empty() || line[0] == '#')
		return false;
	// A NUL would cut the path short there, naming another file.
	if (line[0] == '/') {
		*path = line;
		return line.find('\0') == std::string::npos;
	}
	if (!StartsWithNoCase(line, "file:"))
		return false;
	std::string rest = line.substr(5);
	if (rest.compare(0, 2, "//") == 0) {
		// An authority: only this machine's files can be opened.
		size_t slash = rest.find('/', 2);
		if (slash == std::string::npos)
			return false;
		std::string host = rest.substr(2, slash - 2);
		if (!host.empty() && !(host.size() == 9 && StartsWithNoCase(host, "localhost")))
			return false;
		rest = rest.substr(slash);
	}
	if (rest.empty() || rest[0] != '/')
		return false;
	*path = PercentDecode(rest);
	return path->find('\0') == std::string::npos;
}
