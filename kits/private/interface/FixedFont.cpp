#include "FixedFont.h"

#include <Utf8.h>

namespace BPrivate {

float
FixedFont::StringWidth(const char* text) const
{
	return Utf8::Characters(text).size() * characterWidth;
}

FixedFont
FixedFont::Reference()
{
	return FixedFont{{10, 2, 2}, 6};
}

} // namespace BPrivate
