#include "FltkScale.h"

#include <gtest/gtest.h>

namespace {

struct Desktop {
	const char* own;
	std::string resources;
	const char* gdkScale;
	double factor;
};

} // namespace

TEST(FltkScale, TheFactorComesFromTheProgramThenXftDpiThenGdkScale)
{
	const Desktop cases[] = {
	    {nullptr, "", nullptr, 1},
	    {nullptr, "Xft.dpi:\t96\n", nullptr, 1},
	    {nullptr, "Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n", nullptr, 2},
	    {nullptr, "Xft.dpi: 144\n", "2", 1.5},
	    {nullptr, "", "2", 2},
	    {"1.25", "Xft.dpi:\t192\n", "2", 1.25},
	    // Settings that are not numbers are passed over.
	    {"gross", "Xft.dpi:\tmolto\n", "2", 2},
	    {"", "Xft.dpi:\t\n", "", 1},
	    {"2x", "", nullptr, 1},
	    // A resource of a similar name is another resource.
	    {nullptr, "XXft.dpi:\t192\nXft.dpiScale:\t3\n", nullptr, 1},
	    // Kept between 1 and 4: a small dpi does not shrink the seed's
	    // font.
	    {nullptr, "Xft.dpi:\t72\n", nullptr, 1},
	    {"9", "", nullptr, 4},
	    {"-2", "", "3", 3},
	};
	for (const Desktop& desktop : cases) {
		EXPECT_DOUBLE_EQ(FltkScale::FromDesktop(desktop.own, desktop.resources, desktop.gdkScale),
		                 desktop.factor)
		    << "own " << (desktop.own != nullptr ? desktop.own : "(none)") << ", resources \""
		    << desktop.resources << "\", GDK_SCALE "
		    << (desktop.gdkScale != nullptr ? desktop.gdkScale : "(none)");
	}
}

TEST(FltkScale, RectanglesThatTouchInTheKitsTouchOnTheScreen)
{
	for (double factor : {1.0, 1.25, 1.5, 2.0}) {
		FltkScale::Set(factor);
		// Three views side by side at odd places, as a button row lies.
		const BRect views[] = {BRect(-1, 7, 80.5f, 30), BRect(81.5f, 7, 160, 30),
		                       BRect(161, 7, 233, 30)};
		int right = FltkScale::Pixels(-1);
		for (const BRect& view : views) {
			int x;
			int y;
			int width;
			int height;
			FltkScale::Rect(view, &x, &y, &width, &height);
			EXPECT_EQ(x, right) << "factor " << factor << ": no gap and no overlap";
			EXPECT_EQ(y, FltkScale::Pixels(7));
			EXPECT_EQ(height, FltkScale::Pixels(31) - FltkScale::Pixels(7));
			right = x + width;
		}
		EXPECT_EQ(right, FltkScale::Pixels(234)) << "factor " << factor;
		EXPECT_FLOAT_EQ(FltkScale::Kit(FltkScale::Pixels(100)), 100);
	}
	FltkScale::Set(1);
}
