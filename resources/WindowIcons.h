// WindowIcons: the program's icon for its windows, as window managers take
// it (_NET_WM_ICON): 16, 32 and 48 pixels square, each pixel 0xAARRGGBB,
// row by row. The same drawing as the built-in icons and the desktop's icon
// files (IconArt), in the BeOS system colours.
#ifndef WINDOW_ICONS_H
#define WINDOW_ICONS_H

#include <cstdint>
#include <vector>

class WindowIcons {
public:
	static std::vector<std::vector<uint32_t>> Pixels();
};

#endif // WINDOW_ICONS_H
