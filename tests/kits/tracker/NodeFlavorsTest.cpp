#include <NodeFlavors.h>

#include <FilePanel.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDirectory.h"

using BPrivate::NodeFlavors;

// Which entries each set of flavours takes: a link suits as a link, or as
// what it points to; what is missing suits nothing.
TEST(NodeFlavors, EachKindOfEntrySuitsItsFlavours)
{
	TempDirectory folder;
	std::string file = folder.WriteFile("oggenc", "");
	std::string sub = folder / "cartella";
	ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
	ASSERT_EQ(symlink(file.c_str(), (folder / "a-file").c_str()), 0);
	ASSERT_EQ(symlink(sub.c_str(), (folder / "a-folder").c_str()), 0);
	ASSERT_EQ(symlink((folder / "nothing").c_str(), (folder / "broken").c_str()), 0);

	const uint32 kFlavors[] = {B_FILE_NODE, B_DIRECTORY_NODE, B_SYMLINK_NODE,
	                           B_FILE_NODE | B_DIRECTORY_NODE, 0};
	// Per entry, whether it suits each flavour set above, in order.
	const struct {
		std::string path;
		std::string suits;
	} kEntries[] = {
	    {file, "+--+-"},
	    {sub, "-+-+-"},
	    {folder / "a-file", "+-++-"},
	    {folder / "a-folder", "-+++-"},
	    {folder / "broken", "--+--"},
	    {folder / "missing", "-----"},
	};
	for (const auto& entry : kEntries) {
		std::string suits;
		for (uint32 flavors : kFlavors)
			suits += NodeFlavors::Suits(entry.path, flavors) ? '+' : '-';
		EXPECT_EQ(suits, entry.suits) << entry.path;
	}
}
