#include <Display.h>

#include <gtest/gtest.h>

#include "HeadlessDisplay.h"
#include <FixedFont.h>

using BPrivate::Display;
using BPrivate::FixedFont;

TEST(Display, MeasuresComeFromTheCurrentDisplayOrTheReferenceFont)
{
	EXPECT_EQ(Display::FontHeight().ascent, 10);
	EXPECT_EQ(Display::Width("Esci"), 24);
	EXPECT_EQ(Display::Width("giù"), 18) << "characters, not bytes";

	HeadlessDisplay display;
	display.SetFont(FixedFont{{14, 4, 3}, 9});
	Display::SetCurrent(&display);
	EXPECT_EQ(Display::FontHeight().descent, 4);
	EXPECT_EQ(Display::Width("Esci"), 36);
	Display::SetCurrent(nullptr);
}
