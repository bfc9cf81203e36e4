#include <Bitmap.h>

#include <gtest/gtest.h>

// Icons are copied byte for byte between the executable and the MIME
// database, so the sizes must be those of BeOS.
TEST(Bitmap, IconSizedColourMappedBitmapsHaveTheBeOSByteCounts)
{
	BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
	ASSERT_EQ(large.InitCheck(), B_OK);
	EXPECT_EQ(large.BitsLength(), 1024);
	EXPECT_EQ(large.BytesPerRow(), 32);
	EXPECT_EQ(large.Bounds(), BRect(0, 0, 31, 31));
	EXPECT_EQ(large.ColorSpace(), B_CMAP8);

	BBitmap mini(BRect(0, 0, 15, 15), B_CMAP8);
	EXPECT_EQ(mini.BitsLength(), 256);
	ASSERT_NE(mini.Bits(), nullptr);
	const uint8* bits = static_cast<const uint8*>(mini.Bits());
	for (int32 i = 0; i < mini.BitsLength(); i++)
		ASSERT_EQ(bits[i], 0) << "byte " << i;
}

TEST(Bitmap, RowsArePaddedToFourBytes)
{
	BBitmap odd(BRect(0, 0, 2, 2), B_CMAP8);
	EXPECT_EQ(odd.BytesPerRow(), 4);
	EXPECT_EQ(odd.BitsLength(), 12);

	BBitmap rgb(BRect(0, 0, 2, 1), B_RGB24);
	EXPECT_EQ(rgb.BytesPerRow(), 12);

	BBitmap mono(BRect(0, 0, 39, 0), B_GRAY1);
	EXPECT_EQ(mono.BytesPerRow(), 8);

	BBitmap moved(BRect(10, 20, 13, 21), B_RGB32);
	EXPECT_EQ(moved.Bounds(), BRect(0, 0, 3, 1));
	EXPECT_EQ(moved.BitsLength(), 32);
}

TEST(Bitmap, BadBoundsOrColourSpaceFailInitCheck)
{
	BBitmap inverted(BRect(0, 0, -1, 5), B_CMAP8);
	EXPECT_EQ(inverted.InitCheck(), B_BAD_VALUE);
	EXPECT_EQ(inverted.Bits(), nullptr);
	EXPECT_EQ(inverted.BitsLength(), 0);

	BBitmap unknown(BRect(0, 0, 7, 7), B_NO_COLOR_SPACE);
	EXPECT_EQ(unknown.InitCheck(), B_BAD_VALUE);
}
