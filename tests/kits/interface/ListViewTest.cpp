#include <ListItem.h>
#include <ListView.h>
#include <Message.h>
#include <ScrollView.h>

#include <string>

#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempDirectory.h"

using BPrivate::ViewState;

namespace {

const char* kTitle = "Lista";

// Counts the selection changes and logs the messages it receives.
class CountingList : public BListView {
public:
	CountingList(std::shared_ptr<MessageLog> log, list_view_type type)
	    : BListView(BRect(2, 2, 300, 200), "FilesList", type, B_FOLLOW_ALL_SIDES),
	      fLog(std::move(log))
	{
	}

	~CountingList() override
	{
		while (BListItem* item = RemoveItem(CountItems() - 1))
			delete item;
	}

	void
	SelectionChanged() override
	{
		changes++;
	}

	void
	MessageReceived(BMessage* message) override
	{
		fLog->Add(*message);
		BListView::MessageReceived(message);
	}

	int32 changes = 0;

private:
	std::shared_ptr<MessageLog> fLog;
};

class Lists : public HeadlessFixture {
protected:
	void
	Build(list_view_type type = B_MULTIPLE_SELECTION_LIST, int32 rows = 5)
	{
		window = new RecordingWindow(windowLog, kTitle);
		list = new CountingList(listLog, type);
		for (int32 row = 0; row < rows; row++)
			list->AddItem(new BStringItem(("/audio/" + std::to_string(row) + ".wav").c_str()));
		window->AddChild(list);
		window->Show();
	}

	std::vector<int32>
	Selection()
	{
		return user.View(kTitle, "FilesList").selection;
	}

	int32
	Changes()
	{
		user.WaitIdle();
		window->Lock();
		int32 changes = list->changes;
		window->Unlock();
		return changes;
	}

	std::shared_ptr<MessageLog> windowLog = std::make_shared<MessageLog>();
	std::shared_ptr<MessageLog> listLog = std::make_shared<MessageLog>();
	RecordingWindow* window = nullptr;
	CountingList* list = nullptr;
};

using Modifier = TestUser::Modifier;

} // namespace

TEST_F(Lists, ClicksSelectShiftExtendsControlToggles)
{
	Build();
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 1));
	EXPECT_EQ(Selection(), (std::vector<int32>{1}));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 3, Modifier::Shift));
	EXPECT_EQ(Selection(), (std::vector<int32>{1, 2, 3}));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2, Modifier::Control));
	EXPECT_EQ(Selection(), (std::vector<int32>{1, 3}));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 4, Modifier::Control));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 0, Modifier::Shift));
	EXPECT_EQ(Selection(), (std::vector<int32>{0, 1, 2, 3, 4})) << "from the last anchor";
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 0));
	EXPECT_EQ(Selection(), (std::vector<int32>{0}));
	EXPECT_EQ(Changes(), 6);

	ASSERT_TRUE(window->Lock());
	EXPECT_EQ(list->CurrentSelection(0), 0);
	EXPECT_EQ(list->CurrentSelection(1), -1);
	window->Unlock();
	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.ClickRow(kTitle, "FilesList", 5); }), "");
}

TEST_F(Lists, SingleSelectionListsKeepOneRow)
{
	Build(B_SINGLE_SELECTION_LIST);
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 1));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 3, Modifier::Shift));
	EXPECT_EQ(Selection(), (std::vector<int32>{3}));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 3, Modifier::Control));
	EXPECT_EQ(Selection(), (std::vector<int32>{3}));
}

TEST_F(Lists, SelectionMovesWithItsItem)
{
	Build();
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 1));
	ASSERT_TRUE(window->Lock());
	BListItem* moved = list->ItemAt(1);
	int32 before = list->changes;
	EXPECT_TRUE(list->MoveItem(1, 3));
	EXPECT_EQ(list->ItemAt(3), moved);
	EXPECT_TRUE(list->IsItemSelected(3));
	EXPECT_FALSE(list->IsItemSelected(1));
	EXPECT_EQ(list->CurrentSelection(0), 3);
	EXPECT_EQ(list->changes, before + 1);
	EXPECT_FALSE(list->MoveItem(3, 5));
	EXPECT_TRUE(list->MoveItem(4, 4));
	EXPECT_EQ(list->changes, before + 1);
	window->Unlock();
	EXPECT_EQ(Selection(), (std::vector<int32>{3}));
	EXPECT_EQ(user.View(kTitle, "FilesList").rows[3], "/audio/1.wav");
}

TEST_F(Lists, RemovingItemsKeepsTheRestInOrder)
{
	Build();
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 1));
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 3, Modifier::Control));
	ASSERT_TRUE(window->Lock());
	int32 before = list->changes;
	for (int32 row = list->CountItems() - 1; row >= 0; row--) {
		if (list->IsItemSelected(row))
			delete list->RemoveItem(row);
	}
	EXPECT_EQ(list->CountItems(), 3);
	EXPECT_EQ(list->CurrentSelection(0), -1);
	EXPECT_EQ(list->changes, before + 2);
	EXPECT_EQ(list->RemoveItem(3), nullptr);
	BStringItem stranger("x");
	EXPECT_FALSE(list->RemoveItem(&stranger));
	EXPECT_FALSE(list->AddItem(&stranger, 4));
	EXPECT_FALSE(list->AddItem(nullptr));
	window->Unlock();
	EXPECT_EQ(user.View(kTitle, "FilesList").rows,
	          (std::vector<std::string>{"/audio/0.wav", "/audio/2.wav", "/audio/4.wav"}));
}

TEST_F(Lists, EmptyingASelectedListReportsTheChange)
{
	Build();
	ASSERT_TRUE(user.ClickRow(kTitle, "FilesList", 2));
	ASSERT_TRUE(window->Lock());
	std::vector<BListItem*> items;
	for (int32 row = 0; row < list->CountItems(); row++)
		items.push_back(list->ItemAt(row));
	int32 before = list->changes;
	list->MakeEmpty();
	EXPECT_EQ(list->changes, before + 1);
	EXPECT_TRUE(list->IsEmpty());
	window->Unlock();
	for (BListItem* item : items)
		delete item;
	EXPECT_TRUE(user.View(kTitle, "FilesList").rows.empty());
}

TEST_F(Lists, DroppedFilesArriveAsSimpleDataWithRefs)
{
	TempDirectory folder;
	std::string first = folder.WriteFile("a.wav", "");
	std::string second = folder.WriteFile("b c.wav", "");
	Build();

	ASSERT_TRUE(user.DropFiles(kTitle, "FilesList", {first, second}));
	BMessage text(B_SIMPLE_DATA);
	text.AddString("text/plain", "non un file");
	ASSERT_TRUE(user.Drop(kTitle, "FilesList", text));

	ASSERT_EQ(listLog->Count(), 2u) << listLog->Codes();
	BMessage files = listLog->Messages()[0];
	EXPECT_EQ(files.what, (uint32)B_SIMPLE_DATA);
	EXPECT_FALSE(files.HasRef("refs", 2));
	entry_ref ref;
	ASSERT_EQ(files.FindRef("refs", 1, &ref), B_OK);
	EXPECT_EQ(path_for_ref(ref), second);
	EXPECT_EQ(files.GetInfo("be:view", nullptr), B_NAME_NOT_FOUND);
	BMessage plain = listLog->Messages()[1];
	EXPECT_EQ(plain.what, (uint32)B_SIMPLE_DATA);
	EXPECT_FALSE(plain.HasRef("refs"));
	// The list hands what it does not take on to its window.
	EXPECT_EQ(windowLog->Count(), 2u) << windowLog->Codes();
}

TEST_F(Lists, TenThousandAdditionsMakeAHandfulOfUpdates)
{
	Build(B_MULTIPLE_SELECTION_LIST, 0);
	user.WaitIdle();
	int32 before = display.UpdateCount();

	ASSERT_TRUE(window->Lock());
	for (int32 row = 0; row < 10000; row++)
		list->AddItem(new BStringItem(std::to_string(row).c_str()));
	window->Unlock();
	ViewState shown = user.View(kTitle, "FilesList");
	EXPECT_EQ(shown.rows.size(), 10000u);
	EXPECT_EQ(shown.rows[9999], "9999");
	EXPECT_LE(display.UpdateCount() - before, 2);

	// The same from a handler in the window's own thread.
	before = display.UpdateCount();
	ASSERT_TRUE(window->Lock());
	window->SetAction([this](BMessage*) {
		for (int32 row = 0; row < 10000; row++)
			list->AddItem(new BStringItem("x"));
	});
	window->Unlock();
	BMessenger(window).SendMessage('FILL');
	EXPECT_EQ(user.View(kTitle, "FilesList").rows.size(), 20000u);
	EXPECT_LE(display.UpdateCount() - before, 2);
}
