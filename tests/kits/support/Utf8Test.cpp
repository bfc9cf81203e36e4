#include <Utf8.h>

#include <gtest/gtest.h>

using BPrivate::Utf8;

// Every byte belongs to one character: a valid sequence, or else the byte
// alone; a cut never splits a character.
TEST(Utf8, CharactersAndCutsAtEverySequenceLengthAndAtInvalidBytes)
{
	struct Case {
		std::string text;
		int32 limit;
		std::string cut;
		std::u32string characters;
	};
	const Case kCases[] = {
	    {"abc", 3, "abc", U"abc"},
	    {"abc", 0, "", U"abc"},
	    {"abc", -1, "", U"abc"},
	    {"", 1, "", U""},
	    // Two, three and four bytes: "è", "€", "𝄞".
	    {"ab\xC3\xA8z", 4, "ab\xC3\xA8", U"ab\u00E8z"},
	    {"ab\xC3\xA8z", 3, "ab", U"ab\u00E8z"},
	    {"\xE2\x82\xAC\xE2\x82\xAC", 5, "\xE2\x82\xAC", U"\u20AC\u20AC"},
	    {"\xF0\x9D\x84\x9E", 3, "", U"\U0001D11E"},
	    {"\xF0\x9D\x84\x9Ex", 4, "\xF0\x9D\x84\x9E", U"\U0001D11Ex"},
	    {"\xF4\x8F\xBF\xBF", 4, "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
	    // Stray continuation bytes, a sequence cut short at the end or
	    // before another character, an overlong form, a surrogate and a
	    // code point beyond U+10FFFF: each byte is a Latin-1 character.
	    {"a\x80\x80", 2, "a\x80", U"a\u0080\u0080"},
	    {"a\xE2\x82", 2, "a\xE2", U"a\u00E2\u0082"},
	    {"\xE2\x82x", 2, "\xE2\x82", U"\u00E2\u0082x"},
	    {"\xC0\xAF", 1, "\xC0", U"\u00C0\u00AF"},
	    {"\xED\xA0\x80", 2, "\xED\xA0", U"\u00ED\u00A0\u0080"},
	    {"\xF4\x90\x80\x80", 3, "\xF4\x90\x80", U"\u00F4\u0090\u0080\u0080"},
	    {"\xFF\xC3\xA8", 2, "\xFF", U"\u00FF\u00E8"},
	};
	for (const Case& test : kCases) {
		SCOPED_TRACE(testing::PrintToString(test.text) + ", limit " + std::to_string(test.limit));
		EXPECT_EQ(Utf8::CutToBytes(test.text, test.limit), test.cut);
		EXPECT_EQ(Utf8::Characters(test.text.c_str()), test.characters);
		size_t bytes = 0;
		for (size_t length; (length = Utf8::CharacterLength(test.text, bytes)) > 0;)
			bytes += length;
		EXPECT_EQ(bytes, test.text.size());
	}
	EXPECT_EQ(Utf8::Characters(nullptr), U"");
}
