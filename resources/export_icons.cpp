// Writes the program's icon files for the desktop into the folder given as
// the only argument: icon-16.png, icon-32.png (the same pixels as the icons
// built into the executable), icon-48.png and the scalable icon.svg.
#include "IconArt.h"
#include "IconSvg.h"
#include "PngWriter.h"

#include <cstdio>
#include <fstream>
#include <string>

template <int Size>
static bool
WritePng(const std::string& folder, const IconShape& shape)
{
	const auto pixels = IconArt::Draw<Size>(shape);
	std::string png;
	if (PngWriter::EncodeCmap8(reinterpret_cast<const uint8*>(pixels.data()), Size, Size, Size,
	                           &png) != B_OK)
		return false;
	std::ofstream file(folder + "/icon-" + std::to_string(Size) + ".png", std::ios::binary);
	file << png;
	return file.good();
}

int
main(int argc, char** argv)
{
	if (argc != 2) {
		fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
		return 2;
	}
	std::string folder = argv[1];
	std::ofstream svg(folder + "/icon.svg");
	svg << IconSvg::Draw(IconArt::kLarge, 32);
	svg.close();
	bool written = svg.good() && WritePng<16>(folder, IconArt::kMini) &&
	               WritePng<32>(folder, IconArt::kLarge) && WritePng<48>(folder, IconArt::kHuge);
	if (!written) {
		fprintf(stderr, "%s: cannot write the icons into %s\n", argv[0], folder.c_str());
		return 1;
	}
	return 0;
}
