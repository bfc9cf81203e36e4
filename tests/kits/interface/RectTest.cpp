#include <Rect.h>

#include <gtest/gtest.h>

// The program places views with these operations, so an off-by-one here
// moves every button.
TEST(Rect, EdgesAreInclusiveAndWidthIsRightMinusLeft)
{
	BRect rect(1, 1, 75, 25);
	EXPECT_EQ(rect.Width(), 74);
	EXPECT_EQ(rect.Height(), 24);
	EXPECT_EQ(rect.IntegerWidth(), 74);
	EXPECT_TRUE(rect.IsValid());
	EXPECT_FALSE(BRect().IsValid());
	EXPECT_EQ(BRect(0.2f, 0, 10, 0).IntegerWidth(), 10);
}

TEST(Rect, InsetAndOffsetMoveTheEdges)
{
	BRect bounds(0, 0, 440, 260);
	bounds.InsetBy(5, 5);
	bounds.bottom -= 29;
	EXPECT_EQ(bounds, BRect(5, 5, 435, 226));

	BRect button(1, 1, 75, 25);
	button.OffsetBy(440 - 74 - 6, 260 - 24 - 6);
	EXPECT_EQ(button, BRect(361, 231, 435, 255));

	button.OffsetTo(BPoint(0, 0));
	EXPECT_EQ(button, BRect(0, 0, 74, 24));

	BRect grown(10, 10, 20, 20);
	grown.InsetBy(BPoint(-2, -3));
	EXPECT_EQ(grown, BRect(8, 7, 22, 23));
	EXPECT_NE(grown, BRect(8, 7, 22, 24));
}

TEST(Rect, CornersAndPoints)
{
	BRect rect(BPoint(3, 4), BPoint(30, 40));
	EXPECT_EQ(rect.LeftTop(), BPoint(3, 4));
	EXPECT_EQ(rect.RightBottom(), BPoint(30, 40));
	rect.SetLeftTop(BPoint(0, 0));
	EXPECT_EQ(rect, BRect(0, 0, 30, 40));
	EXPECT_EQ(BPoint(1, 2) + BPoint(3, 4), BPoint(4, 6));
	EXPECT_EQ(BPoint(1, 2) - BPoint(3, 4), BPoint(-2, -2));
	EXPECT_EQ(rect.OffsetToCopy(5, 6), BRect(5, 6, 35, 46));
}
