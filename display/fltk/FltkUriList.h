// FltkUriList: the paths of the files in the text of a drop.
//
// A file manager offers dropped files as text/uri-list (RFC 2483: one URI a
// line, CRLF or LF, lines starting with '#' are comments) or as plain text
// with one absolute path a line; the screen may hand over either. Local
// file URIs ("file:///p", "file://localhost/p", "file:/p") are
// percent-decoded; plain absolute paths are taken as they are, since a
// file name may hold a '%'. Everything else (other schemes, other hosts,
// relative text, a path with a NUL byte, plain or decoded) is left out, so
// a drag of ordinary text yields no paths. Any bytes are safe input.
#ifndef FLTK_URI_LIST_H
#define FLTK_URI_LIST_H

#include <string>
#include <vector>

class FltkUriList {
public:
	// The paths, in the order of the lines.
	static std::vector<std::string> Paths(const std::string& text);

	// The text with every "%XY" (two hexadecimal digits) replaced by that
	// byte; a '%' not followed by two such digits stays as it is.
	static std::string PercentDecode(const std::string& text);

private:
	static bool _PathOfLine(const std::string& line, std::string* path);
};

#endif // FLTK_URI_LIST_H
