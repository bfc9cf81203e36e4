// The program's icon as scalable vector graphics, drawn from the same shape
// and colours as its pixel icons (IconArt), for the desktop's scalable
// icon theme folder. One unit of the drawing is one pixel of the shape.
#ifndef ICON_SVG_H
#define ICON_SVG_H

#include <string>

struct IconShape;

class IconSvg {
public:
	// An SVG document of size x size units showing shape.
	static std::string Draw(const IconShape& shape, int size);
};

#endif // ICON_SVG_H
