// FltkUtf8: byte limits for UTF-8 text. FLTK counts characters, the kits
// count bytes.
#ifndef FLTK_UTF8_H
#define FLTK_UTF8_H

#include <string>

#include <SupportDefs.h>

class FltkUtf8 {
public:
	// The longest start of text that has at most limit bytes and ends on a
	// whole UTF-8 character; the whole text when limit is 0 or less.
	static std::string CutToBytes(const std::string& text, int32 limit);
};

#endif // FLTK_UTF8_H
