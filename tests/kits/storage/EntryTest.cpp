#include <Entry.h>
#include <File.h>
#include <Path.h>

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#include "tests/support/TempDirectory.h"

namespace {

class EntryTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
	}

	TempDirectory fTemp;
};

std::string
PathOf(const BEntry& entry)
{
	BPath path;
	EXPECT_EQ(entry.GetPath(&path), B_OK);
	return path.Path() != nullptr ? path.Path() : "";
}

std::string
NameOf(const BEntry& entry)
{
	char name[B_FILE_NAME_LENGTH];
	EXPECT_EQ(entry.GetName(name), B_OK);
	return name;
}

} // namespace

TEST_F(EntryTest, AbstractEntryNeedsOnlyItsDirectory)
{
	BEntry entry((fTemp / "not yet").c_str());
	ASSERT_EQ(entry.InitCheck(), B_OK);
	EXPECT_FALSE(entry.Exists());
	EXPECT_EQ(NameOf(entry), "not yet");
	EXPECT_EQ(PathOf(entry), fTemp / "not yet");

	BEntry orphan((fTemp / "missing/leaf").c_str());
	EXPECT_EQ(orphan.InitCheck(), B_ENTRY_NOT_FOUND);
	entry_ref ref;
	EXPECT_EQ(orphan.GetRef(&ref), B_ENTRY_NOT_FOUND);
	EXPECT_FALSE(orphan.Exists());
}

TEST_F(EntryTest, UninitialisedEntryAnswersNoInit)
{
	BEntry entry;
	entry_ref ref;
	BPath path;
	char name[B_FILE_NAME_LENGTH];
	EXPECT_EQ(entry.InitCheck(), B_NO_INIT);
	EXPECT_EQ(entry.GetRef(&ref), B_NO_INIT);
	EXPECT_EQ(entry.GetPath(&path), B_NO_INIT);
	EXPECT_EQ(entry.GetName(name), B_NO_INIT);
	EXPECT_EQ(entry.Remove(), B_NO_INIT);
	EXPECT_EQ(entry.SetTo((const char*)nullptr), B_BAD_VALUE);
	EXPECT_EQ(entry.SetTo((const entry_ref*)nullptr), B_BAD_VALUE);
}

TEST_F(EntryTest, LinksAreFollowedOnlyWhenAsked)
{
	fTemp.WriteFile("target", "data");
	ASSERT_EQ(symlink("target", (fTemp / "link").c_str()), 0);
	ASSERT_EQ(symlink("link", (fTemp / "link to link").c_str()), 0);

	BEntry link((fTemp / "link to link").c_str(), false);
	EXPECT_TRUE(link.IsSymLink());
	EXPECT_FALSE(link.IsFile());
	EXPECT_EQ(NameOf(link), "link to link");

	BEntry target((fTemp / "link to link").c_str(), true);
	ASSERT_EQ(target.InitCheck(), B_OK);
	EXPECT_TRUE(target.IsFile());
	EXPECT_EQ(NameOf(target), "target");
	EXPECT_EQ(target, BEntry((fTemp / "target").c_str()));
}

TEST_F(EntryTest, DanglingLinkExistsButCannotBeTraversed)
{
	ASSERT_EQ(symlink("nowhere", (fTemp / "dangling").c_str()), 0);
	BEntry link((fTemp / "dangling").c_str(), false);
	ASSERT_EQ(link.InitCheck(), B_OK);
	EXPECT_TRUE(link.Exists());
	EXPECT_EQ(BEntry((fTemp / "dangling").c_str(), true).InitCheck(), B_ENTRY_NOT_FOUND);
}

TEST_F(EntryTest, SameEntryReachedByDifferentPathsGivesEqualRefs)
{
	ASSERT_EQ(mkdir((fTemp / "dir").c_str(), 0755), 0);
	ASSERT_EQ(symlink("dir", (fTemp / "dirlink").c_str()), 0);
	fTemp.WriteFile("dir/file", "");

	entry_ref direct, throughLink, withDots;
	ASSERT_EQ(BEntry((fTemp / "dir/file").c_str()).GetRef(&direct), B_OK);
	ASSERT_EQ(BEntry((fTemp / "dirlink/file").c_str()).GetRef(&throughLink), B_OK);
	ASSERT_EQ(BEntry((fTemp / "dir/../dir/./file").c_str()).GetRef(&withDots), B_OK);
	EXPECT_EQ(direct, throughLink);
	EXPECT_EQ(direct, withDots);
	EXPECT_EQ(path_for_ref(throughLink), fTemp / "dir/file");

	// A ref leads back to the same entry.
	BEntry again(&throughLink);
	EXPECT_EQ(PathOf(again), fTemp / "dir/file");
}

TEST_F(EntryTest, RelativePathsCountFromTheWorkingDirectory)
{
	char* saved = getcwd(nullptr, 0);
	ASSERT_NE(saved, nullptr);
	ASSERT_EQ(chdir(fTemp.Path().c_str()), 0);
	BEntry entry("relative name");
	EXPECT_EQ(chdir(saved), 0);
	free(saved);
	EXPECT_EQ(PathOf(entry), fTemp / "relative name");
}

TEST_F(EntryTest, NamesWithBlanksQuotesSemicolonsAndAccents)
{
	for (std::string name : {"brano 1.wav", "il \"vero\" 'brano'.ogg", "prova;due.aiff",
	                         "canzone è più bella.wav", " lead and trail "}) {
		SCOPED_TRACE(name);
		BEntry entry((fTemp / name).c_str());
		ASSERT_EQ(entry.InitCheck(), B_OK);
		EXPECT_EQ(NameOf(entry), name);
		BFile file(&entry, B_WRITE_ONLY | B_CREATE_FILE);
		ASSERT_EQ(file.InitCheck(), B_OK);
		EXPECT_TRUE(entry.Exists());
		EXPECT_EQ(access((fTemp / name).c_str(), F_OK), 0);
	}
}

TEST_F(EntryTest, OverlongNameIsRefused)
{
	std::string name(256, 'x');
	EXPECT_EQ(BEntry((fTemp / name).c_str()).InitCheck(), B_NAME_TOO_LONG);
	EXPECT_EQ(BEntry((fTemp / name.substr(1)).c_str()).InitCheck(), B_OK);
}

TEST_F(EntryTest, ParentsLeadUpToTheRoot)
{
	ASSERT_EQ(mkdir((fTemp / "a").c_str(), 0755), 0);
	BEntry entry((fTemp / "a/b").c_str());
	BEntry parent;
	ASSERT_EQ(entry.GetParent(&parent), B_OK);
	EXPECT_EQ(PathOf(parent), fTemp / "a");

	// Climbing into itself until the root, which has no parent.
	int steps = 0;
	while (entry.GetParent(&entry) == B_OK)
		ASSERT_LT(++steps, 64);
	EXPECT_EQ(PathOf(entry), "/");
	EXPECT_EQ(entry.GetParent(&parent), B_ENTRY_NOT_FOUND);
}

TEST_F(EntryTest, RemoveLeavesAnAbstractEntry)
{
	fTemp.WriteFile("file", "x");
	ASSERT_EQ(mkdir((fTemp / "dir").c_str(), 0755), 0);

	BEntry file((fTemp / "file").c_str());
	EXPECT_EQ(file.Remove(), B_OK);
	EXPECT_EQ(file.InitCheck(), B_OK);
	EXPECT_FALSE(file.Exists());
	EXPECT_EQ(file.Remove(), B_ENTRY_NOT_FOUND);

	BEntry dir((fTemp / "dir").c_str());
	EXPECT_TRUE(dir.IsDirectory());
	EXPECT_EQ(dir.Remove(), B_OK);
	EXPECT_FALSE(dir.Exists());

	// Removing a link removes the link, not what it points to.
	fTemp.WriteFile("kept", "x");
	ASSERT_EQ(symlink("kept", (fTemp / "link").c_str()), 0);
	EXPECT_EQ(BEntry((fTemp / "link").c_str()).Remove(), B_OK);
	EXPECT_TRUE(BEntry((fTemp / "kept").c_str()).Exists());
}

TEST_F(EntryTest, RenameReplacesOnlyWhenAskedAndFollowsTheEntry)
{
	fTemp.WriteFile("new", "new");
	fTemp.WriteFile("old", "old");
	BEntry entry((fTemp / "new").c_str());

	EXPECT_EQ(entry.Rename("old"), B_FILE_EXISTS);
	EXPECT_EQ(TempDirectory::ReadFile(fTemp / "old"), "old");
	EXPECT_EQ(PathOf(entry), fTemp / "new");

	EXPECT_EQ(entry.Rename("old", true), B_OK);
	EXPECT_EQ(TempDirectory::ReadFile(fTemp / "old"), "new");
	EXPECT_FALSE(BEntry((fTemp / "new").c_str()).Exists());
	EXPECT_EQ(PathOf(entry), fTemp / "old");

	ASSERT_EQ(mkdir((fTemp / "dir").c_str(), 0755), 0);
	EXPECT_EQ(entry.Rename((fTemp / "dir/moved").c_str()), B_OK);
	EXPECT_EQ(TempDirectory::ReadFile(fTemp / "dir/moved"), "new");
	EXPECT_EQ(entry.Rename((fTemp / "missing/moved").c_str()), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(BEntry().Rename("x"), B_NO_INIT);
}

TEST(EntryRef, RootNamesItself)
{
	entry_ref root;
	ASSERT_EQ(get_ref_for_path("/", &root), B_OK);
	EXPECT_EQ(path_for_ref(root), "/");
	entry_ref dots;
	ASSERT_EQ(get_ref_for_path("/..", &dots), B_OK);
	EXPECT_EQ(root, dots);
	EXPECT_EQ(get_ref_for_path("", &root), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(get_ref_for_path(nullptr, &root), B_BAD_VALUE);
}

TEST(EntryRef, CopiesOwnTheirName)
{
	entry_ref original(1, 2, "name");
	entry_ref copy = original;
	original.set_name("other");
	EXPECT_STREQ(copy.name, "name");
	EXPECT_NE(copy, original);
	entry_ref& alias = copy;
	copy = alias;
	EXPECT_STREQ(copy.name, "name");
	EXPECT_EQ(entry_ref(), entry_ref());
}
