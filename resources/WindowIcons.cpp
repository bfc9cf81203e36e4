#include "WindowIcons.h"

#include "IconArt.h"
#include "SystemPalette.h"

namespace {

template <int Size>
std::vector<uint32_t>
Argb(const IconShape& shape)
{
	const auto indices = IconArt::Draw<Size>(shape);
	std::vector<uint32_t> pixels;
	for (char index : indices) {
		pixels.push_back(index == IconArt::kTransparent
		                     ? 0
		                     : 0xff000000u | SystemPalette::ColorAt((uint8)index));
	}
	return pixels;
}

} // namespace

std::vector<std::vector<uint32_t>>
WindowIcons::Pixels()
{
	return {Argb<16>(IconArt::kMini), Argb<32>(IconArt::kLarge), Argb<48>(IconArt::kHuge)};
}
