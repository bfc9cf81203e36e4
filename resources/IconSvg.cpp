#include "IconSvg.h"

#include "IconArt.h"
#include "SystemPalette.h"

#include <cstdio>

static std::string
Color(char index)
{
	char text[8];
	snprintf(text, sizeof(text), "#%06x", (unsigned)SystemPalette::ColorAt((uint8)index));
	return text;
}

static std::string
Number(double value)
{
	char text[32];
	snprintf(text, sizeof(text), "%g", value);
	return text;
}

static std::string
Point(double x, double y)
{
	return Number(x) + "," + Number(y) + " ";
}

// The outline runs through the centres of the border pixels, so that a
// stroke one unit wide covers exactly the pixels the pixel icons outline.
static std::string
SheetOutline(const IconShape& s, double offset)
{
	double left = s.left + 0.5 + offset, top = s.top + 0.5 + offset;
	double right = s.right + 0.5 + offset, bottom = s.bottom + 0.5 + offset;
	return Point(left, top) + Point(right - s.fold, top) + Point(right, top + s.fold) +
	       Point(right, bottom) + Point(left, bottom);
}

static std::string
Head(int centerX, int centerY, const IconShape& s)
{
	return "<ellipse cx=\"" + Number(centerX + 0.5) + "\" cy=\"" + Number(centerY + 0.5) +
	       "\" rx=\"" + Number(s.headRadiusX + 0.5) + "\" ry=\"" + Number(s.headRadiusY + 0.5) +
	       "\"/>";
}

static std::string
Stem(int headX, int headY, int stemTop, const IconShape& s)
{
	return "<rect x=\"" + Number(headX + s.headRadiusX - 1) + "\" y=\"" + Number(stemTop) +
	       "\" width=\"1\" height=\"" + Number(headY - stemTop + 1) + "\"/>";
}

std::string
IconSvg::Draw(const IconShape& s, int size)
{
	std::string side = Number(size);
	std::string outline = Color(IconArt::kOutline);
	double cornerX = s.right - s.fold + 0.5, cornerY = s.top + s.fold + 0.5;
	int firstStem = s.firstHeadX + s.headRadiusX - 1;
	int secondStem = s.secondHeadX + s.headRadiusX;

	std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
	                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
	                  side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side +
	                  "\">\n";
	svg += "\t<polygon fill=\"" + Color(IconArt::kShadow) + "\" stroke=\"" +
	       Color(IconArt::kShadow) + "\" points=\"" + SheetOutline(s, 1) + "\"/>\n";
	svg += "\t<polygon fill=\"" + Color(IconArt::kPaper) + "\" stroke=\"" + outline +
	       "\" points=\"" + SheetOutline(s, 0) + "\"/>\n";
	svg += "\t<polygon fill=\"" + Color(IconArt::kFold) + "\" stroke=\"" + outline +
	       "\" stroke-linejoin=\"bevel\" points=\"" + Point(cornerX, s.top + 0.5) +
	       Point(cornerX, cornerY) + Point(s.right + 0.5, cornerY) + "\"/>\n";
	svg += "\t<g fill=\"" + Color(IconArt::kNote) + "\" stroke=\"none\">\n";
	svg += "\t\t" + Head(s.firstHeadX, s.firstHeadY, s) + "\n";
	svg += "\t\t" + Head(s.secondHeadX, s.secondHeadY, s) + "\n";
	svg += "\t\t" + Stem(s.firstHeadX, s.firstHeadY, s.firstStemTop, s) + "\n";
	svg += "\t\t" + Stem(s.secondHeadX, s.secondHeadY, s.secondStemTop, s) + "\n";
	svg += "\t\t<polygon points=\"" + Point(firstStem, s.firstStemTop) +
	       Point(secondStem, s.secondStemTop) + Point(secondStem, s.secondStemTop + s.beam) +
	       Point(firstStem, s.firstStemTop + s.beam) + "\"/>\n";
	svg += "\t</g>\n</svg>\n";
	return svg;
}
