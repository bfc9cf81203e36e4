#include "FltkUtf8.h"

#include <gtest/gtest.h>

TEST(FltkUtf8, ATextWithinTheLimitStaysWhole)
{
	EXPECT_EQ(FltkUtf8::CutToBytes("abc", 3), "abc");
	EXPECT_EQ(FltkUtf8::CutToBytes("abc", 0), "abc") << "0 is no limit";
	EXPECT_EQ(FltkUtf8::CutToBytes("", 1), "");
}

TEST(FltkUtf8, TheCutNeverSplitsACharacter)
{
	// "è" is two bytes, "€" three, "𝄞" four.
	EXPECT_EQ(FltkUtf8::CutToBytes("ab\xC3\xA8z", 4), "ab\xC3\xA8");
	EXPECT_EQ(FltkUtf8::CutToBytes("ab\xC3\xA8z", 3), "ab");
	EXPECT_EQ(FltkUtf8::CutToBytes("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
	EXPECT_EQ(FltkUtf8::CutToBytes("\xF0\x9D\x84\x9E", 3), "");
	EXPECT_EQ(FltkUtf8::CutToBytes("\xF0\x9D\x84\x9Ex", 4), "\xF0\x9D\x84\x9E");
}
