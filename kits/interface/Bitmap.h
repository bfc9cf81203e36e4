// BBitmap: an off-screen image in memory, as the MIME and icon code uses it.
// Rows are padded to a multiple of 4 bytes, as BeOS lays them out: a 32 x 32
// B_CMAP8 bitmap holds 1024 bytes, a 3 x 3 one 12.
//
// Threads: a bitmap is not shared; one thread uses it at a time. Views are
// not supported (acceptsViews is accepted and ignored).
#ifndef _BITMAP_H
#define _BITMAP_H

#include <vector>

#include <GraphicsDefs.h>
#include <Rect.h>

class BBitmap {
public:
	BBitmap(BRect bounds, color_space space, bool acceptsViews = false,
	        bool needsContiguous = false);
	~BBitmap();
	BBitmap(const BBitmap&) = delete;
	BBitmap& operator=(const BBitmap&) = delete;

	// B_OK, or B_BAD_VALUE for invalid bounds or an unknown colour space.
	status_t InitCheck() const;

	// The pixels, zero-filled at construction; null when InitCheck() fails.
	void* Bits() const;
	int32 BitsLength() const;
	int32 BytesPerRow() const;
	// The bounds moved to the origin: (0, 0, width - 1, height - 1).
	BRect Bounds() const;
	color_space ColorSpace() const;

private:
	BRect fBounds;
	color_space fColorSpace;
	int32 fBytesPerRow;
	mutable std::vector<uint8> fBits;
	status_t fInitStatus;
};

#endif // _BITMAP_H
