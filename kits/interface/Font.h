// Font measures. The kits use one font, the display's plain font; its
// metrics come from the current display (see Display.h).
#ifndef _FONT_H
#define _FONT_H

struct font_height {
	float ascent;
	float descent;
	float leading;
};

#endif // _FONT_H
