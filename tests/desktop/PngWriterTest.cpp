#include "PngWriter.h"
#include "SystemPalette.h"

#include <fstream>
#include <gtest/gtest.h>

#include "tests/support/Command.h"
#include "tests/support/TempDirectory.h"

namespace {

// The colour that ImageMagick reads at one pixel of a PNG file.
std::string
PixelOf(const std::string& file, int x, int y)
{
	std::string output;
	std::string format = "%[pixel:p{" + std::to_string(x) + "," + std::to_string(y) + "}]";
	if (Command::Run({"identify", "-format", format, file}, &output) != 0)
		return "<identify failed>";
	return output;
}

std::string
WriteTemp(const TempDirectory& temp, const std::string& png)
{
	std::string path = temp / "image.png";
	std::ofstream(path, std::ios::binary) << png;
	return path;
}

} // namespace

TEST(PngWriter, ChecksumsMatchTheirDefinitions)
{
	EXPECT_EQ(PngWriter::Crc32("IEND"), 0xae426082u);
	EXPECT_EQ(PngWriter::Crc32(""), 0u);
	EXPECT_EQ(PngWriter::Adler32("Wikipedia"), 0x11e60398u);
	EXPECT_EQ(PngWriter::Adler32(""), 1u);
}

TEST(PngWriter, PaletteOfTheSystemColourMap)
{
	EXPECT_EQ(SystemPalette::ColorAt(0), 0x000000u);
	EXPECT_EQ(SystemPalette::ColorAt(31), 0xf8f8f8u);
	EXPECT_EQ(SystemPalette::ColorAt(63), 0xffffffu);
	EXPECT_EQ(SystemPalette::ColorAt(36), 0x00009au);
	EXPECT_EQ(SystemPalette::ColorAt(216), 0xffcb66u);
	EXPECT_EQ(SystemPalette::ColorAt(254), 0xffffcbu);
}

TEST(PngWriter, ADecoderReadsBackEveryPixel)
{
	if (!Command::Exists("identify"))
		GTEST_SKIP() << "ImageMagick's identify is not installed";
	TempDirectory temp;
	// Two rows of three pixels in rows of four bytes: the padding byte 63
	// (white) must not show.
	const uint8 pixels[] = {0, 63, 255, 63, 36, 216, 254, 63};
	std::string png;
	ASSERT_EQ(PngWriter::EncodeCmap8(pixels, 3, 2, 4, &png), B_OK);
	std::string file = WriteTemp(temp, png);

	std::string size;
	ASSERT_EQ(Command::Run({"identify", "-format", "%w %h", file}, &size), 0);
	EXPECT_EQ(size, "3 2");
	EXPECT_EQ(PixelOf(file, 0, 0), "srgba(0,0,0,1)");
	EXPECT_EQ(PixelOf(file, 1, 0), "srgba(255,255,255,1)");
	EXPECT_EQ(PixelOf(file, 2, 0), "srgba(0,0,0,0)");
	EXPECT_EQ(PixelOf(file, 0, 1), "srgba(0,0,154,1)");
	EXPECT_EQ(PixelOf(file, 1, 1), "srgba(255,203,102,1)");
	EXPECT_EQ(PixelOf(file, 2, 1), "srgba(255,255,203,1)");
}

TEST(PngWriter, ImagesLargerThanOneStoredBlock)
{
	if (!Command::Exists("identify"))
		GTEST_SKIP() << "ImageMagick's identify is not installed";
	TempDirectory temp;
	const int side = 300;
	std::vector<uint8> pixels(side * side, 63);
	pixels[side * side - 1] = 0;
	std::string png;
	ASSERT_EQ(PngWriter::EncodeCmap8(pixels.data(), side, side, side, &png), B_OK);
	std::string file = WriteTemp(temp, png);
	EXPECT_EQ(PixelOf(file, side - 1, side - 1), "srgba(0,0,0,1)");
	EXPECT_EQ(PixelOf(file, side - 2, side - 1), "srgba(255,255,255,1)");
}

TEST(PngWriter, RefusesSizesThatDoNotFit)
{
	const uint8 pixels[4] = {};
	std::string png;
	EXPECT_EQ(PngWriter::EncodeCmap8(pixels, 0, 1, 1, &png), B_BAD_VALUE);
	EXPECT_EQ(PngWriter::EncodeCmap8(pixels, 2, 2, 1, &png), B_BAD_VALUE);
	EXPECT_EQ(PngWriter::EncodeCmap8(nullptr, 1, 1, 1, &png), B_BAD_VALUE);
	EXPECT_TRUE(png.empty());
}
