#include "FltkUriList.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;
using namespace std::string_literals;

} // namespace

TEST(FltkUriList, FileUrisOfEveryFormAreDecodedInOrder)
{
	EXPECT_EQ(FltkUriList::Paths("file:///home/u/a%20b.wav\r\nfile://localhost/tmp/c.wav\r\n"
	                             "FILE:/tmp/d%C3%B9.flac\r\n"),
	          (Paths{"/home/u/a b.wav", "/tmp/c.wav", "/tmp/d\xC3\xB9.flac"}));
	EXPECT_EQ(FltkUriList::Paths("file://LocalHost/x"), (Paths{"/x"})) << "no line end at all";
}

TEST(FltkUriList, PlainPathsAreTakenAsTheyAre)
{
	// A file name may hold a '%': plain paths are not URIs.
	EXPECT_EQ(FltkUriList::Paths("/tmp/100%41.wav\n/tmp/second file.ogg\n"),
	          (Paths{"/tmp/100%41.wav", "/tmp/second file.ogg"}));
}

TEST(FltkUriList, CommentsBlankLinesAndLoneCarriageReturnsAreSkipped)
{
	EXPECT_EQ(FltkUriList::Paths("# dragged by a file manager\r\n\r\n\nfile:///a\r/b\r\n"),
	          (Paths{"/a", "/b"}));
}

TEST(FltkUriList, WhatIsNotALocalFileIsLeftOut)
{
	EXPECT_EQ(FltkUriList::Paths("http://example.org/a.wav\n"
	                             "file://otherhost/tmp/a.wav\n"
	                             "file://localhostile/tmp/a.wav\n"
	                             "file://\n"
	                             "file:relative/a.wav\n"
	                             "just some dragged words\n"
	                             "smb://server/share/a.wav\n"),
	          Paths{});
}

TEST(FltkUriList, AnEncodedNulByteDropsThatPathOnly)
{
	EXPECT_EQ(FltkUriList::Paths("file:///tmp/a%00.wav\nfile:///tmp/b.wav\n"),
	          (Paths{"/tmp/b.wav"}));
}

// Found by fuzzing: a plain path with a NUL was taken whole, and the file
// opened by it was the one named by the text before the NUL.
TEST(FltkUriList, APlainPathWithANulByteIsLeftOut)
{
	EXPECT_EQ(FltkUriList::Paths("/tmp/a.wav\0.ogg\n/tmp/b.wav\n"s), (Paths{"/tmp/b.wav"}));
}

TEST(FltkUriList, PercentDecodingLeavesBrokenEscapesAlone)
{
	EXPECT_EQ(FltkUriList::PercentDecode("%41%4a%4B"), "AJK");
	EXPECT_EQ(FltkUriList::PercentDecode("100%"), "100%");
	EXPECT_EQ(FltkUriList::PercentDecode("%4"), "%4");
	EXPECT_EQ(FltkUriList::PercentDecode("%zz%2"), "%zz%2");
	EXPECT_EQ(FltkUriList::PercentDecode("%%41"), "%A");
	EXPECT_EQ(FltkUriList::PercentDecode("%2F..%2f"), "/../");
}

TEST(FltkUriList, ArbitraryBytesNeverCrashAndYieldOnlyAbsolutePaths)
{
	std::string noise;
	for (int byte = 0; byte < 256; byte++)
		noise += (char)byte;
	noise += "file:///%\nfile:///%0\nfile:///%ff\n";
	for (const std::string& path : FltkUriList::Paths(noise + noise)) {
		ASSERT_FALSE(path.empty());
		EXPECT_EQ(path[0], '/');
		EXPECT_EQ(path.find('\0'), std::string::npos);
	}
}
