#include <String.h>

#include <gtest/gtest.h>

TEST(String, BuildsFromTextAndNumbers)
{
	BString string("Lista");
	string << " " << BString("di") << ' ' << (int32)-12;
	string += "!";
	EXPECT_STREQ(string.String(), "Lista di -12!");
	EXPECT_EQ(string.Length(), 13);
}

TEST(String, NullTextIsEmpty)
{
	BString string(nullptr);
	EXPECT_EQ(string.Length(), 0);
	EXPECT_STREQ(string.String(), "");
	string << (const char*)nullptr;
	EXPECT_EQ(string, "");
	EXPECT_EQ(string.SetTo("x").SetTo(nullptr).Length(), 0);
}

TEST(String, SetToWithALengthStopsThereOrAtTheEnd)
{
	BString string;
	EXPECT_STREQ(string.SetTo("abcdef", 3).String(), "abc");
	EXPECT_STREQ(string.SetTo("ab", 10).String(), "ab");
	EXPECT_STREQ(string.SetTo("ab", 0).String(), "");
	EXPECT_STREQ(BString("abcdef", 4).String(), "abcd");
}

TEST(String, Compares)
{
	EXPECT_TRUE(BString("a") == BString("a"));
	EXPECT_FALSE(BString("a") == "b");
	EXPECT_TRUE(BString("a") < BString("b"));
	EXPECT_LT(BString("a").Compare("b"), 0);
	EXPECT_GT(BString("b").Compare(nullptr), 0);
}
