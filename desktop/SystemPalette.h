// The BeOS system colour map, by which B_CMAP8 pixels name their colours.
// Index 255 (B_TRANSPARENT_MAGIC_CMAP8) stands for a transparent pixel.
#ifndef SYSTEM_PALETTE_H
#define SYSTEM_PALETTE_H

#include <SupportDefs.h>

enum {
	B_TRANSPARENT_MAGIC_CMAP8 = 0xff,
};

class SystemPalette {
public:
	// The colour of an index as 0xRRGGBB.
	static uint32 ColorAt(uint8 index);
};

#endif // SYSTEM_PALETTE_H
