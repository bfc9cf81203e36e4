#include "FixedFont.h"

namespace BPrivate {

float
FixedFont::StringWidth(const char* text) const
{
	if (text == nullptr)
		return 0;
	int characters = 0;
	// Continuation bytes (10xxxxxx) do not start a character.
	for (const char* byte = text; *byte != '\0'; byte++) {
		if ((*byte & 0xC0) != 0x80)
			characters++;
	}
	return characters * characterWidth;
}

FixedFont
FixedFont::Reference()
{
	return FixedFont{{10, 2, 2}, 6};
}

} // namespace BPrivate
