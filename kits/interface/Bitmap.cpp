#include <Bitmap.h>

namespace {

// Bits per pixel of a colour space; 0 for one we do not know.
int32
BitsPerPixel(color_space space)
{
	switch (space) {
		case B_RGB32:
		case B_RGBA32:
			return 32;
		case B_RGB24:
			return 24;
		case B_RGB16:
		case B_RGB15:
		case B_RGBA15:
			return 16;
		case B_CMAP8:
		case B_GRAY8:
			return 8;
		case B_GRAY1:
			return 1;
		case B_NO_COLOR_SPACE:
			break;
	}
	return 0;
}

} // namespace

BBitmap::BBitmap(BRect bounds, color_space space, bool, bool)
    : fBounds(bounds.OffsetToCopy(0, 0)), fColorSpace(space), fBytesPerRow(0),
      fInitStatus(B_BAD_VALUE)
{
	int32 bitsPerPixel = BitsPerPixel(space);
	if (!bounds.IsValid() || bitsPerPixel == 0)
		return;

	int32 width = bounds.IntegerWidth() + 1;
	int32 rowBits = width * bitsPerPixel;
	// Whole bytes first, then padding to a multiple of 4.
	fBytesPerRow = ((rowBits + 7) / 8 + 3) & ~3;
	fBits.assign((size_t)fBytesPerRow * (bounds.IntegerHeight() + 1), 0);
	fInitStatus = B_OK;
}

BBitmap::~BBitmap() = default;

status_t
BBitmap::InitCheck() const
{
	return fInitStatus;
}

void*
BBitmap::Bits() const
{
	return fBits.empty() ? nullptr : fBits.data();
}

int32
BBitmap::BitsLength() const
{
	return (int32)fBits.size();
}

int32
BBitmap::BytesPerRow() const
{
	return fBytesPerRow;
}

BRect
BBitmap::Bounds() const
{
	return fBounds;
}

color_space
BBitmap::ColorSpace() const
{
	return fColorSpace;
}
