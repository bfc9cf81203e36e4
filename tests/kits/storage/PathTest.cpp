#include <Entry.h>
#include <Path.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDirectory.h"

TEST(Path, PlainAbsolutePathIsTakenAsItIs)
{
	// Nothing needs resolving, so the path need not exist.
	BPath path("/no/such/place", "file name.wav");
	ASSERT_EQ(path.InitCheck(), B_OK);
	EXPECT_STREQ(path.Path(), "/no/such/place/file name.wav");
	EXPECT_STREQ(path.Leaf(), "file name.wav");

	BPath parent;
	ASSERT_EQ(path.GetParent(&parent), B_OK);
	EXPECT_STREQ(parent.Path(), "/no/such/place");
	ASSERT_EQ(parent.Append("other;one"), B_OK);
	EXPECT_STREQ(parent.Path(), "/no/such/place/other;one");
}

TEST(Path, BadArgumentsLeaveItUninitialised)
{
	BPath path;
	EXPECT_EQ(path.InitCheck(), B_NO_INIT);
	EXPECT_EQ(path.Path(), nullptr);
	EXPECT_EQ(path.Leaf(), nullptr);
	EXPECT_EQ(path.SetTo((const char*)nullptr), B_BAD_VALUE);
	EXPECT_EQ(path.SetTo(""), B_BAD_VALUE);
	EXPECT_EQ(path.SetTo("/a", "/b"), B_BAD_VALUE);
	EXPECT_EQ(path.Path(), nullptr);
	EXPECT_EQ(path.Append("x"), B_BAD_VALUE);
}

TEST(Path, RootHasNoParent)
{
	BPath root("/");
	EXPECT_STREQ(root.Path(), "/");
	EXPECT_STREQ(root.Leaf(), "");
	BPath parent;
	EXPECT_EQ(root.GetParent(&parent), B_ENTRY_NOT_FOUND);
	BPath child("/usr");
	ASSERT_EQ(child.GetParent(&parent), B_OK);
	EXPECT_STREQ(parent.Path(), "/");
}

TEST(Path, DotsAndDoubledSlashesAreResolved)
{
	TempDirectory temp;
	ASSERT_EQ(mkdir((temp / "a").c_str(), 0755), 0);
	ASSERT_EQ(mkdir((temp / "a/b").c_str(), 0755), 0);
	std::string expected = temp / "a/leaf";
	for (std::string form : {"a/./leaf", "a//leaf", "a/b/../leaf", "a/b/../../a/leaf"}) {
		SCOPED_TRACE(form);
		BPath path((temp / form).c_str());
		ASSERT_EQ(path.InitCheck(), B_OK);
		EXPECT_EQ(std::string(path.Path()), expected);
	}
	BPath trailing((temp / "a/b/").c_str());
	EXPECT_EQ(std::string(trailing.Path()), temp / "a/b");
	// Resolving needs the directories to exist.
	EXPECT_EQ(BPath((temp / "gone/../leaf").c_str()).InitCheck(), B_ENTRY_NOT_FOUND);
}

TEST(Path, NormalisingOnRequestResolvesLinkedDirectories)
{
	TempDirectory temp;
	ASSERT_EQ(mkdir((temp / "real").c_str(), 0755), 0);
	ASSERT_EQ(symlink("real", (temp / "alias").c_str()), 0);
	BPath plain((temp / "alias").c_str(), "leaf");
	EXPECT_EQ(std::string(plain.Path()), temp / "alias/leaf");
	BPath normal((temp / "alias").c_str(), "leaf", true);
	EXPECT_EQ(std::string(normal.Path()), temp / "real/leaf");
}

TEST(Path, RelativePathBecomesAbsolute)
{
	TempDirectory temp;
	char* saved = getcwd(nullptr, 0);
	ASSERT_NE(saved, nullptr);
	ASSERT_EQ(chdir(temp.Path().c_str()), 0);
	BPath path("sub file");
	BPath dot(".");
	EXPECT_EQ(chdir(saved), 0);
	free(saved);
	EXPECT_EQ(std::string(path.Path()), temp / "sub file");
	EXPECT_EQ(std::string(dot.Path()), temp.Path());
}

TEST(Path, FromRefsAndEntries)
{
	TempDirectory temp;
	BEntry entry((temp / "città.vfl").c_str());
	BPath fromEntry(&entry);
	EXPECT_EQ(std::string(fromEntry.Path()), temp / "città.vfl");
	entry_ref ref;
	ASSERT_EQ(entry.GetRef(&ref), B_OK);
	BPath fromRef(&ref);
	EXPECT_EQ(fromRef, fromEntry);
	entry_ref empty;
	EXPECT_EQ(BPath(&empty).InitCheck(), B_BAD_VALUE);
	BEntry none;
	EXPECT_EQ(BPath(&none).InitCheck(), B_NO_INIT);
}
