#include <Node.h>
#include <TypeConstants.h>

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>

#include "tests/support/TempDirectory.h"

namespace {

class NodeTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		if (!fTemp.SupportsAttributes())
			GTEST_SKIP() << "no directory here keeps user extended attributes";
		fPath = fTemp.WriteFile("node", "content");
		ASSERT_EQ(fNode.SetTo(fPath.c_str()), B_OK);
	}

	// The raw value of user.<name>, as other programs see it.
	std::string
	RawAttribute(const char* name)
	{
		std::string key = std::string("user.") + name;
		char value[4096];
		ssize_t length = getxattr(fPath.c_str(), key.c_str(), value, sizeof(value));
		return length < 0 ? "<missing>" : std::string(value, length);
	}

	TempDirectory fTemp;
	std::string fPath;
	BNode fNode;
};

} // namespace

TEST_F(NodeTest, AttributeHoldsExactlyItsBytes)
{
	const char value[] = "/usr/bin/oggenc";
	ASSERT_EQ(fNode.WriteAttr("encoder_location", B_STRING_TYPE, 0, value, sizeof(value)),
	          (ssize_t)sizeof(value));
	EXPECT_EQ(RawAttribute("encoder_location"), std::string(value, sizeof(value)));

	char back[64] = {};
	ASSERT_EQ(fNode.ReadAttr("encoder_location", B_STRING_TYPE, 0, back, sizeof(back)),
	          (ssize_t)sizeof(value));
	EXPECT_STREQ(back, value);

	// Binary content with zero bytes survives too.
	const char binary[] = {1, 0, 2, 0};
	ASSERT_EQ(fNode.WriteAttr("binary", B_RAW_TYPE, 0, binary, 4), 4);
	EXPECT_EQ(RawAttribute("binary"), std::string(binary, 4));
}

TEST_F(NodeTest, ShortBufferReadsTheBeginningOfALongerValue)
{
	std::string value(300, 'v');
	value[0] = 'A';
	value[9] = 'J';
	ASSERT_EQ(setxattr(fPath.c_str(), "user.long", value.data(), value.size(), 0), 0);
	char buffer[11] = {};
	ASSERT_EQ(fNode.ReadAttr("long", B_STRING_TYPE, 0, buffer, 10), 10);
	EXPECT_EQ(std::string(buffer, 10), value.substr(0, 10));
	EXPECT_EQ(buffer[10], '\0');

	ASSERT_EQ(fNode.ReadAttr("long", B_STRING_TYPE, 295, buffer, 10), 5);
	EXPECT_EQ(fNode.ReadAttr("long", B_STRING_TYPE, 300, buffer, 10), 0);
}

TEST_F(NodeTest, MissingAttributeAndUnopenedNode)
{
	char buffer[8];
	EXPECT_EQ(fNode.ReadAttr("absent", B_BOOL_TYPE, 0, buffer, 1), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(fNode.RemoveAttr("absent"), B_ENTRY_NOT_FOUND);

	BNode closed;
	EXPECT_EQ(closed.InitCheck(), B_NO_INIT);
	EXPECT_EQ(closed.ReadAttr("a", B_BOOL_TYPE, 0, buffer, 1), B_FILE_ERROR);
	EXPECT_EQ(closed.WriteAttr("a", B_BOOL_TYPE, 0, buffer, 1), B_FILE_ERROR);
	EXPECT_EQ(closed.RemoveAttr("a"), B_FILE_ERROR);

	BNode missing((fTemp / "no such file").c_str());
	EXPECT_EQ(missing.InitCheck(), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(missing.ReadAttr("a", B_BOOL_TYPE, 0, buffer, 1), B_FILE_ERROR);

	fNode.Unset();
	EXPECT_EQ(fNode.ReadAttr("a", B_BOOL_TYPE, 0, buffer, 1), B_FILE_ERROR);
}

TEST_F(NodeTest, WritingAtZeroReplacesFurtherOnKeeps)
{
	ASSERT_EQ(fNode.WriteAttr("a", B_STRING_TYPE, 0, "long old value", 14), 14);
	ASSERT_EQ(fNode.WriteAttr("a", B_STRING_TYPE, 0, "new", 3), 3);
	EXPECT_EQ(RawAttribute("a"), "new");

	ASSERT_EQ(fNode.WriteAttr("a", B_STRING_TYPE, 1, "EW!", 3), 3);
	EXPECT_EQ(RawAttribute("a"), "nEW!");
	ASSERT_EQ(fNode.WriteAttr("b", B_STRING_TYPE, 2, "x", 1), 1);
	EXPECT_EQ(RawAttribute("b"), std::string("\0\0x", 3));

	ASSERT_EQ(fNode.WriteAttr("a", B_STRING_TYPE, 0, "", 0), 0);
	char buffer[4];
	EXPECT_EQ(fNode.ReadAttr("a", B_STRING_TYPE, 0, buffer, 4), 0);
}

TEST_F(NodeTest, BadNamesAndOffsets)
{
	char buffer[4] = {};
	std::string longest(250, 'n');
	EXPECT_EQ(fNode.WriteAttr(longest.c_str(), B_RAW_TYPE, 0, "x", 1), 1);
	std::string tooLong(251, 'n');
	EXPECT_EQ(fNode.WriteAttr(tooLong.c_str(), B_RAW_TYPE, 0, "x", 1), B_NAME_TOO_LONG);
	EXPECT_EQ(fNode.ReadAttr(tooLong.c_str(), B_RAW_TYPE, 0, buffer, 1), B_NAME_TOO_LONG);
	EXPECT_EQ(fNode.WriteAttr("", B_RAW_TYPE, 0, "x", 1), B_BAD_VALUE);
	EXPECT_EQ(fNode.ReadAttr(nullptr, B_RAW_TYPE, 0, buffer, 1), B_BAD_VALUE);
	EXPECT_EQ(fNode.ReadAttr("a", B_RAW_TYPE, -1, buffer, 1), B_BAD_VALUE);
	// Refused before any memory is set aside for it.
	EXPECT_EQ(fNode.WriteAttr("a", B_RAW_TYPE, (off_t)1 << 40, "x", 1), B_BAD_VALUE);
}

TEST_F(NodeTest, RemovedAttributeIsGone)
{
	ASSERT_EQ(fNode.WriteAttr("a", B_BOOL_TYPE, 0, "\1", 1), 1);
	EXPECT_EQ(fNode.RemoveAttr("a"), B_OK);
	EXPECT_EQ(RawAttribute("a"), "<missing>");
}

TEST_F(NodeTest, DirectoriesAndPipesOpenAsNodes)
{
	BNode directory(fTemp.Path().c_str());
	ASSERT_EQ(directory.InitCheck(), B_OK);
	EXPECT_EQ(directory.WriteAttr("dir", B_BOOL_TYPE, 0, "\1", 1), 1);

	// A pipe without a writer must not hold the caller.
	ASSERT_EQ(mkfifo((fTemp / "pipe").c_str(), 0600), 0);
	BNode pipe((fTemp / "pipe").c_str());
	EXPECT_EQ(pipe.InitCheck(), B_OK);
}
