// The program's icon: a sheet of paper with a turned corner and a pair of
// beamed notes on it, in the BeOS system colour map. One drawing serves
// every size, from the proportions of that size (IconShape), so the icons
// built into the executable and the desktop's icon files look alike.
// Everything here runs at compile time.
#ifndef ICON_ART_H
#define ICON_ART_H

#include <array>

// Coordinates in pixels of one icon size; the notes' heads are ellipses,
// their stems rise from the right of each head and a beam joins the tops.
struct IconShape {
	int left, top, right, bottom, fold;
	int firstHeadX, secondHeadX, firstHeadY, secondHeadY, headRadiusX, headRadiusY;
	int firstStemTop, secondStemTop, beam;
};

class IconArt {
public:
	// Indices in the system colour map.
	static constexpr char kTransparent = (char)0xff;
	static constexpr char kOutline = 10;
	static constexpr char kPaper = (char)254;
	static constexpr char kFold = (char)216;
	static constexpr char kNote = 36;
	static constexpr char kShadow = 16;

	static constexpr IconShape kLarge = {5, 1, 26, 29, 7, 10, 20, 23, 21, 4, 3, 9, 7, 3};
	static constexpr IconShape kMini = {2, 0, 13, 14, 4, 5, 10, 12, 11, 2, 2, 5, 4, 2};
	static constexpr IconShape kHuge = {8, 2, 39, 44, 11, 15, 30, 35, 32, 6, 4, 14, 11, 4};

	// The pixels of a Size x Size icon, row by row.
	template <int Size>
	static constexpr std::array<char, Size * Size>
	Draw(const IconShape& shape)
	{
		std::array<char, Size * Size> pixels{};
		for (int y = 0; y < Size; y++) {
			for (int x = 0; x < Size; x++)
				pixels[y * Size + x] = PixelAt(x, y, shape);
		}
		return pixels;
	}

	static constexpr char
	PixelAt(int x, int y, const IconShape& s)
	{
		// The shadow falls one pixel right and below the sheet.
		bool onSheet = x >= s.left && x <= s.right && y >= s.top && y <= s.bottom;
		bool inShadow = x >= s.left + 1 && x <= s.right + 1 && y >= s.top + 1 && y <= s.bottom + 1;
		int cornerX = s.right - s.fold;
		int cornerY = s.top + s.fold;
		bool cutOff = x - cornerX > y - s.top;
		if (!onSheet || cutOff)
			return inShadow && !(x - 1 - cornerX > y - 1 - s.top) ? kShadow : kTransparent;
		if (x == s.left || x == s.right || y == s.top || y == s.bottom || x - cornerX == y - s.top)
			return kOutline;
		if (x >= cornerX && y <= cornerY) {
			if (x == cornerX || y == cornerY)
				return kOutline;
			return kFold;
		}
		return _InNote(x, y, s) ? kNote : kPaper;
	}

private:
	static constexpr bool
	_InHead(int x, int y, int centerX, int centerY, const IconShape& s)
	{
		int dx = (x - centerX) * s.headRadiusY;
		int dy = (y - centerY) * s.headRadiusX;
		int radius = s.headRadiusX * s.headRadiusY;
		return dx * dx + dy * dy <= radius * radius;
	}

	static constexpr bool
	_InNote(int x, int y, const IconShape& s)
	{
		if (_InHead(x, y, s.firstHeadX, s.firstHeadY, s) ||
		    _InHead(x, y, s.secondHeadX, s.secondHeadY, s))
			return true;
		int firstStem = s.firstHeadX + s.headRadiusX - 1;
		int secondStem = s.secondHeadX + s.headRadiusX - 1;
		if ((x == firstStem && y >= s.firstStemTop && y <= s.firstHeadY) ||
		    (x == secondStem && y >= s.secondStemTop && y <= s.secondHeadY))
			return true;
		if (x < firstStem || x > secondStem)
			return false;
		int beamTop = s.firstStemTop + (s.secondStemTop - s.firstStemTop) * (x - firstStem) /
		                                   (secondStem - firstStem);
		return y >= beamTop && y < beamTop + s.beam;
	}
};

#endif // ICON_ART_H
