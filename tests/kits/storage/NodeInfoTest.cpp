#include <File.h>
#include <NodeInfo.h>

#include <gtest/gtest.h>
#include <string>
#include <sys/xattr.h>

#include "tests/support/TempDirectory.h"

namespace {

class NodeInfoTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		if (!fTemp.SupportsAttributes())
			GTEST_SKIP() << "no directory here keeps user extended attributes";
		fPath = fTemp.WriteFile("list.vfl", "");
		ASSERT_EQ(fFile.SetTo(fPath.c_str(), B_READ_WRITE), B_OK);
		ASSERT_EQ(fInfo.SetTo(&fFile), B_OK);
	}

	void
	StoreRaw(const std::string& value)
	{
		ASSERT_EQ(setxattr(fPath.c_str(), "user.mime_type", value.data(), value.size(), 0), 0);
	}

	TempDirectory fTemp;
	std::string fPath;
	BFile fFile;
	BNodeInfo fInfo;
};

} // namespace

TEST_F(NodeInfoTest, TypeIsAPlainStringInTheSharedAttribute)
{
	const char* listType = "text/x-VorlixOggVorbisFronted-list";
	ASSERT_EQ(fInfo.SetType(listType), B_OK);
	char raw[64];
	ssize_t length = getxattr(fPath.c_str(), "user.mime_type", raw, sizeof(raw));
	EXPECT_EQ(std::string(raw, length), listType);

	char type[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(fInfo.GetType(type), B_OK);
	EXPECT_STREQ(type, listType);

	EXPECT_EQ(fInfo.SetType(nullptr), B_OK);
	EXPECT_EQ(fInfo.GetType(type), B_ENTRY_NOT_FOUND);
}

TEST_F(NodeInfoTest, TypeWrittenWithATerminatorByOthersReadsTheSame)
{
	StoreRaw(std::string("audio/x-wav\0", 12));
	char type[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(fInfo.GetType(type), B_OK);
	EXPECT_STREQ(type, "audio/x-wav");
}

TEST_F(NodeInfoTest, LengthLimits)
{
	char type[B_MIME_TYPE_LENGTH + 8];
	memset(type, '#', sizeof(type));
	std::string longest = "text/" + std::string(B_MIME_TYPE_LENGTH - 6, 'x');
	ASSERT_EQ(fInfo.SetType(longest.c_str()), B_OK);
	ASSERT_EQ(fInfo.GetType(type), B_OK);
	EXPECT_EQ(std::string(type), longest);

	EXPECT_EQ(fInfo.SetType((longest + "y").c_str()), B_BAD_VALUE);
	StoreRaw(longest + "y");
	memset(type, '#', sizeof(type));
	EXPECT_EQ(fInfo.GetType(type), B_BAD_DATA);
	// Nothing was written past the buffer's end.
	EXPECT_EQ(type[B_MIME_TYPE_LENGTH], '#');

	StoreRaw(longest + std::string(1, '\0'));
	EXPECT_EQ(fInfo.GetType(type), B_OK);
	EXPECT_EQ(std::string(type), longest);

	StoreRaw(std::string(4000, 'z'));
	EXPECT_EQ(fInfo.GetType(type), B_BAD_DATA);
}

TEST(NodeInfo, NeedsAnOpenNode)
{
	BNodeInfo info;
	char type[B_MIME_TYPE_LENGTH];
	EXPECT_EQ(info.InitCheck(), B_NO_INIT);
	EXPECT_EQ(info.GetType(type), B_NO_INIT);
	EXPECT_EQ(info.SetType("text/plain"), B_NO_INIT);
	EXPECT_EQ(info.SetTo(nullptr), B_BAD_VALUE);
	BFile closed;
	EXPECT_EQ(info.SetTo(&closed), B_NO_INIT);
	EXPECT_EQ(info.SetType("text/plain"), B_NO_INIT);
}
