#include "FltkFolderEntries.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"

namespace {

using Column = FltkFolderEntries::Column;

std::vector<std::string>
Names(const std::vector<FltkFolderEntries::Entry>& entries)
{
	std::vector<std::string> names;
	for (const FltkFolderEntries::Entry& entry : entries)
		names.push_back(entry.name);
	return names;
}

} // namespace

TEST(FltkFolderEntries, FoldersComeFirstInEveryOrderAndHiddenNamesOnlyWhenAsked)
{
	const std::vector<FltkFolderEntries::Entry> entries = {
	    {"b.wav", false, 300, 20},   {"Zeta", true, 4096, 10}, {"A.wav", false, 5000, 30},
	    {".nascosto", false, 1, 40}, {"alfa", true, 4096, 50}, {".config", true, 4096, 5},
	    {"a.wav", false, 300, 10},
	};
	struct {
		Column column;
		bool descending;
		bool hidden;
		std::vector<std::string> names;
	} const cases[] = {
	    {Column::kName, false, false, {"alfa", "Zeta", "A.wav", "a.wav", "b.wav"}},
	    {Column::kName, true, false, {"Zeta", "alfa", "b.wav", "a.wav", "A.wav"}},
	    {Column::kName,
	     false,
	     true,
	     {".config", "alfa", "Zeta", ".nascosto", "A.wav", "a.wav", "b.wav"}},
	    // Folders have no size: among themselves they keep the names' order.
	    {Column::kSize, false, false, {"alfa", "Zeta", "a.wav", "b.wav", "A.wav"}},
	    {Column::kSize, true, false, {"Zeta", "alfa", "A.wav", "b.wav", "a.wav"}},
	    {Column::kChanged, false, false, {"Zeta", "alfa", "a.wav", "b.wav", "A.wav"}},
	    {Column::kChanged,
	     true,
	     true,
	     {"alfa", "Zeta", ".config", ".nascosto", "A.wav", "b.wav", "a.wav"}},
	};
	for (const auto& test : cases) {
		EXPECT_EQ(
		    Names(FltkFolderEntries::Shown(entries, test.column, test.descending, test.hidden)),
		    test.names)
		    << "column " << test.column << (test.descending ? " descending" : "")
		    << (test.hidden ? " with hidden" : "");
	}
}

TEST(FltkFolderEntries, SizesAndDatesAreWrittenTheItalianWay)
{
	const struct {
		off_t bytes;
		const char* text;
	} sizes[] = {
	    {0, "0 byte"},       {999, "999 byte"},      {1000, "1,0 kB"},
	    {12345, "12,3 kB"},  {999949, "999,9 kB"},   {999950, "1,0 MB"},
	    {1500000, "1,5 MB"}, {2000000000, "2,0 GB"}, {(off_t)5e15, "5000,0 TB"},
	};
	for (const auto& size : sizes)
		EXPECT_EQ(FltkFolderEntries::Size(size.bytes), size.text) << size.bytes;

	{
		ScopedEnvironment environment;
		environment.Set("TZ", "Europe/Rome");
		tzset();
		// 8 December 2026, 17:40 UTC.
		EXPECT_EQ(FltkFolderEntries::Date(1796751600), "08/12/2026 18:40");
	}
	tzset();

	// A link is what it points to; a broken link stays, as a file.
	TempDirectory folder;
	ASSERT_EQ(mkdir((folder / "cartella").c_str(), 0755), 0);
	folder.WriteFile("brano.wav", "RIFF");
	ASSERT_EQ(symlink("cartella", (folder / "collegamento").c_str()), 0);
	ASSERT_EQ(symlink("nessuno", (folder / "rotto").c_str()), 0);
	EXPECT_EQ(Names(FltkFolderEntries::Shown(FltkFolderEntries::Read(folder.Path()), Column::kName,
	                                         false, false)),
	          (std::vector<std::string>{"cartella", "collegamento", "brano.wav", "rotto"}));
}
