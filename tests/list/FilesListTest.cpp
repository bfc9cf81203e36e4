#include <AppDefs.h>
#include <Button.h>
#include <Entry.h>
#include <InterfaceDefs.h>
#include <ListItem.h>
#include <Message.h>

#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

#include "list/FilesList.h"
#include "list/ListFile.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/TempDirectory.h"
#include "window/MainWindow.h"

namespace {

using Modifier = TestUser::Modifier;

double
CpuSeconds()
{
	timespec now;
	clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
	return now.tv_sec + now.tv_nsec / 1e9;
}

class FilesListTest : public MainWindowFixture {
protected:
	void
	StartWith(int32 count)
	{
		Start();
		for (int32 index = 0; index < count; index++)
			AddFile("/audio/" + std::to_string(index) + ".wav");
	}

	// As the application's thread adds a file handed to it.
	void
	AddFile(const std::string& path)
	{
		list()->AddFile(path.c_str());
	}

	FilesList*
	list()
	{
		return window->filesList;
	}

	// The enabled buttons among "Rimuovi", "Sposta su", "Sposta giù" and
	// "Codifica!", as the display shows them.
	std::string
	Enabled()
	{
		std::string enabled;
		for (const char* name : {"RemoveFiles", "MoveUp", "MoveDown", "EncodeButton"}) {
			if (user.View(kTitle, name).enabled)
				enabled += std::string(enabled.empty() ? "" : " ") + name;
		}
		return enabled;
	}

	void
	Select(const std::vector<int32>& rows)
	{
		ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", rows[0]));
		for (size_t index = 1; index < rows.size(); index++)
			ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", rows[index], Modifier::Control));
	}

	std::vector<std::string>
	Paths(const std::vector<int>& numbers)
	{
		std::vector<std::string> paths;
		for (int number : numbers)
			paths.push_back("/audio/" + std::to_string(number) + ".wav");
		return paths;
	}
};

} // namespace

TEST_F(FilesListTest, ButtonsFollowTheUsersSelection)
{
	StartWith(0);
	EXPECT_EQ(Enabled(), "");
	AddFile("/audio/0.wav");
	EXPECT_EQ(Enabled(), "EncodeButton") << "the first addition enables Codifica!";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 0));
	EXPECT_EQ(Enabled(), "RemoveFiles EncodeButton") << "the only item is first and last";

	for (int32 index = 1; index < 5; index++)
		AddFile("/audio/" + std::to_string(index) + ".wav");
	EXPECT_EQ(Rows(), Paths({0, 1, 2, 3, 4}));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveDown EncodeButton") << "first selected";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveUp MoveDown EncodeButton") << "middle selected";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 4));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveUp EncodeButton") << "last selected";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2, Modifier::Shift));
	EXPECT_EQ(Enabled(), "RemoveFiles EncodeButton") << "several selected";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 3, Modifier::Control));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 4, Modifier::Control));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveUp MoveDown EncodeButton") << "back to one";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2, Modifier::Control));
	EXPECT_EQ(Enabled(), "EncodeButton") << "none selected";
	Locked([&] { EXPECT_EQ(list()->CountSelected(), 0); });
}

TEST_F(FilesListTest, MovesOnlyASingleItemThatHasRoom)
{
	StartWith(4);
	Select({0});
	Locked([&] { list()->MoveUp(); });
	EXPECT_EQ(Rows(), Paths({0, 1, 2, 3}));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveDown EncodeButton");

	Locked([&] { list()->MoveDown(); });
	EXPECT_EQ(Rows(), Paths({1, 0, 2, 3}));
	EXPECT_EQ(user.View(kTitle, "FilesList").selection, (std::vector<int32>{1}))
	    << "the selection follows the item";
	EXPECT_EQ(Enabled(), "RemoveFiles MoveUp MoveDown EncodeButton");

	Select({3});
	Locked([&] { list()->MoveDown(); });
	EXPECT_EQ(Rows(), Paths({1, 0, 2, 3}));
	Locked([&] { list()->MoveUp(); });
	EXPECT_EQ(Rows(), Paths({1, 0, 3, 2}));
	EXPECT_EQ(Enabled(), "RemoveFiles MoveUp MoveDown EncodeButton");

	Select({1, 2});
	Locked([&] {
		EXPECT_EQ(list()->CountSelected(), 2);
		list()->MoveUp();
		list()->MoveDown();
	});
	EXPECT_EQ(Rows(), Paths({1, 0, 3, 2}));
	EXPECT_EQ(Enabled(), "RemoveFiles EncodeButton");

	// With nothing selected nothing moves, and nothing breaks.
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 1, Modifier::Control));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2, Modifier::Control));
	Locked([&] {
		list()->MoveUp();
		list()->MoveDown();
	});
	EXPECT_EQ(Rows(), Paths({1, 0, 3, 2}));
	EXPECT_EQ(Enabled(), "EncodeButton");
}

TEST_F(FilesListTest, RemovesAScatteredSelectionAndClearsTheRest)
{
	StartWith(5);
	Select({1, 3});
	Locked([&] { list()->RemoveFiles(); });
	EXPECT_EQ(Rows(), Paths({0, 2, 4}));
	EXPECT_EQ(Enabled(), "EncodeButton") << "some are left";

	Locked([&] { list()->RemoveFiles(); });
	EXPECT_EQ(Rows(), Paths({0, 2, 4})) << "nothing selected, nothing removed";

	// Delete in the list does what "Rimuovi" does, when it can be pressed.
	const std::string deleteKey(1, B_DELETE);
	ASSERT_TRUE(user.PressKey(kTitle, "FilesList", deleteKey));
	EXPECT_EQ(Rows(), Paths({0, 2, 4})) << "\"Rimuovi\" is disabled";
	Select({1});
	ASSERT_TRUE(user.PressKey(kTitle, "FilesList", "x"));
	ASSERT_TRUE(user.PressKey(kTitle, "FilesList", std::string(1, B_BACKSPACE)));
	EXPECT_EQ(Rows(), Paths({0, 2, 4})) << "other keys remove nothing";
	ASSERT_TRUE(user.PressKey(kTitle, "FilesList", deleteKey));
	EXPECT_EQ(Rows(), Paths({0, 4}));
	EXPECT_EQ(Enabled(), "EncodeButton");

	Select({0, 1});
	Locked([&] { list()->RemoveFiles(); });
	EXPECT_TRUE(Rows().empty());
	EXPECT_EQ(Enabled(), "");

	AddFile("/audio/0.wav");
	AddFile("/audio/1.wav");
	Select({1});
	Locked([&] { list()->Clear(); });
	EXPECT_TRUE(Rows().empty());
	EXPECT_EQ(Enabled(), "");

	// Clearing an empty list disables Codifica! all the same.
	Locked([&] {
		window->encodeButton->SetEnabled(true);
		list()->Clear();
	});
	EXPECT_EQ(Enabled(), "");
}

TEST_F(FilesListTest, AdditionsKeepDuplicatesAndRefusalsChangeNothing)
{
	StartWith(0);
	AddFile("/audio/same.wav");
	AddFile("/audio/same.wav");
	EXPECT_EQ(Rows(), (std::vector<std::string>{"/audio/same.wav", "/audio/same.wav"}));

	Locked([&] { list()->Clear(); });
	BStringItem refused("/audio/refused.wav");
	Locked([&] {
		EXPECT_FALSE(list()->AddItem(&refused, 1));
		EXPECT_FALSE(list()->AddItem(nullptr));
	});
	EXPECT_EQ(Enabled(), "") << "a refused addition leaves the buttons";

	BStringItem* first = new BStringItem("/audio/b.wav");
	BStringItem* second = new BStringItem("/audio/a.wav");
	Locked([&] {
		EXPECT_TRUE(list()->AddItem(first));
		EXPECT_TRUE(list()->AddItem(second, 0));
	});
	EXPECT_EQ(Rows(), (std::vector<std::string>{"/audio/a.wav", "/audio/b.wav"}));
	EXPECT_EQ(Enabled(), "EncodeButton");
}

TEST_F(FilesListTest, DropsAddFilesFoldersAndLinkTargetsInOrder)
{
	TempDirectory temp;
	std::string song = temp.WriteFile("brano 1.wav", "RIFF");
	std::string other = temp.WriteFile("prova;due.aiff", "FORM");
	ASSERT_EQ(symlink(song.c_str(), (temp / "link").c_str()), 0);
	ASSERT_EQ(symlink("nowhere", (temp / "dangling").c_str()), 0);
	StartWith(0);

	ASSERT_TRUE(user.DropFiles(kTitle, "FilesList",
	                           {other, temp.Path(), temp / "dangling", temp / "link", other}));
	EXPECT_EQ(Rows(), (std::vector<std::string>{other, temp.Path(), song, other}))
	    << "a dangling link has no path and is skipped";
	EXPECT_EQ(Enabled(), "EncodeButton");

	BMessage text(B_SIMPLE_DATA);
	text.AddString("text/plain", "/audio/0.wav");
	ASSERT_TRUE(user.Drop(kTitle, "FilesList", text));
	EXPECT_EQ(Rows().size(), 4u) << "plain text adds nothing";
}

// The button rules ran once for every row added or removed, and looked
// through the whole list each time (through every selected row from the
// top, to count them): opening 100,000 entries took minutes, and removing
// 10,000 selected rows longer still.
TEST_F(FilesListTest, ButtonRulesOnceARowMadeLongListsQuadratic)
{
	TempDirectory temp;
	std::string song = temp.WriteFile("brano.wav", "RIFF");
	StartWith(0);

	// Open a list of that many entries, drop a tenth as many files, select
	// and remove them, and hand the list as many again, as the add panel
	// does; the process's CPU time it took, in seconds.
	auto work = [&](int32 entries) {
		int32 dropped = entries / 10;
		std::vector<std::string> paths;
		for (int32 index = 0; index < entries; index++)
			paths.push_back("/audio/" + std::to_string(index) + ".wav");
		std::string listFile = temp / ("lunga" + std::to_string(entries) + ".vfl");
		EXPECT_EQ(ListFile::Write(listFile.c_str(), paths), ListFile::kSaved);
		BMessage refs(B_REFS_RECEIVED);
		entry_ref ref;
		EXPECT_EQ(get_ref_for_path(song.c_str(), &ref), B_OK);
		for (int32 index = 0; index < dropped; index++)
			refs.AddRef("refs", &ref);

		double start = CpuSeconds();
		list()->Open(listFile.c_str());
		EXPECT_TRUE(user.DropFiles(kTitle, "FilesList", std::vector<std::string>(dropped, song)));
		EXPECT_EQ(Enabled(), "EncodeButton");
		EXPECT_TRUE(user.ClickRow(kTitle, "FilesList", 0));
		EXPECT_TRUE(user.ClickRow(kTitle, "FilesList", dropped - 1, Modifier::Shift));
		EXPECT_EQ(Enabled(), "RemoveFiles EncodeButton");
		Locked([&] { list()->RemoveFiles(); });
		list()->mainWindow->RefsReceived(&refs);
		double seconds = CpuSeconds() - start;

		Locked([&] {
			ASSERT_EQ(list()->CountItems(), entries + dropped);
			EXPECT_EQ(list()->CountSelected(), 0);
			EXPECT_EQ(static_cast<BStringItem*>(list()->ItemAt(0))->Text(),
			          "/audio/" + std::to_string(dropped) + ".wav");
			EXPECT_EQ(static_cast<BStringItem*>(list()->ItemAt(entries - dropped - 1))->Text(),
			          "/audio/" + std::to_string(entries - 1) + ".wav");
			EXPECT_STREQ(static_cast<BStringItem*>(list()->ItemAt(entries - 1))->Text(),
			             song.c_str());
			EXPECT_STREQ(static_cast<BStringItem*>(list()->ItemAt(entries + dropped - 1))->Text(),
			             song.c_str());
		});
		EXPECT_EQ(Enabled(), "EncodeButton");
		return seconds;
	};
	// Four times the entries take about four times the work, sixteen when
	// it grows with the square. CPU time, so that the machine's load does
	// not count; a ratio, so that its speed does not either.
	double small = work(25000);
	double large = work(100000);
	EXPECT_LT(large, 8 * small) << small << " s for 25,000 entries, " << large << " s for 100,000";
}
