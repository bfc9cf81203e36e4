// Writes B_CMAP8 pixels as an indexed PNG image with the system colour map
// as its palette, transparent where the pixel is B_TRANSPARENT_MAGIC_CMAP8.
// The image data is deflated in stored (uncompressed) blocks: icons are
// small, and no compression library is needed.
#ifndef PNG_WRITER_H
#define PNG_WRITER_H

#include <string>

#include <SupportDefs.h>

class PngWriter {
public:
	// pixels holds height rows of bytesPerRow bytes, of which the first
	// width are used. B_BAD_VALUE for empty or inconsistent sizes.
	static status_t EncodeCmap8(const uint8* pixels, int32 width, int32 height, int32 bytesPerRow,
	                            std::string* png);

	// The checksums the format uses, for those who check it.
	static uint32 Crc32(const std::string& bytes);
	static uint32 Adler32(const std::string& bytes);
};

#endif // PNG_WRITER_H
