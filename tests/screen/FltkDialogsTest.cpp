#include <Alert.h>
#include <Autolock.h>
#include <EntryRef.h>
#include <FilePanel.h>
#include <ListItem.h>
#include <ListView.h>
#include <LooperList.h>
#include <Path.h>
#include <ScrollView.h>

#include <chrono>
#include <cmath>
#include <future>
#include <unistd.h>

#include "tests/support/RecordingLooper.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScreenFixture.h"
#include "tests/support/TempDirectory.h"

using BPrivate::LooperList;

namespace {

const char* const kTitle = "Lista";
const uint32 kMsgChosen = 'LOGP';
const auto kWait = std::chrono::microseconds(MessageLog::kTimeout);

// A list that hands every drop to its window, whose log keeps it.
class DropList : public BListView {
public:
	explicit DropList(BRect frame)
	    : BListView(frame, "FilesList", B_MULTIPLE_SELECTION_LIST, B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
	{
	}

	void
	MessageReceived(BMessage* message) override
	{
		if (message->what == B_SIMPLE_DATA)
			Window()->PostMessage(message);
		else
			BListView::MessageReceived(message);
	}
};

std::vector<std::string>
Paths(const BMessage& message, const char* field)
{
	std::vector<std::string> paths;
	entry_ref ref;
	for (int32 index = 0; message.FindRef(field, index, &ref) == B_OK; index++) {
		BPath path(&ref);
		paths.push_back(path.Path() != nullptr ? path.Path() : "");
	}
	return paths;
}

class FltkDialogs : public ScreenFixture {
protected:
	// A window with a list in a scroll view that fills it.
	DropList*
	ShowList()
	{
		RecordingWindow* window = new RecordingWindow(log, kTitle, BRect(100, 100, 499, 399));
		DropList* list = new DropList(BRect(2, 2, 383, 297));
		window->AddChild(new BScrollView("FilesScroll", list, B_FOLLOW_ALL_SIDES, 0, false, true));
		window->Show();
		return list;
	}

	// escape: the button that Escape presses; -1 for none.
	std::future<int32>
	GoAlert(const char* title, const char* text, const char* button0, const char* button1,
	        int32 escape = -1)
	{
		// Built by the thread that shows it, as a window must be.
		return std::async(std::launch::async, [=] {
			BAlert* alert =
			    new BAlert(title, text, button0, button1, nullptr, B_WIDTH_AS_USUAL, B_STOP_ALERT);
			alert->SetShortcut(escape, B_ESCAPE);
			return alert->Go();
		});
	}
};

} // namespace

TEST_F(FltkDialogs, AnAlertIsAnsweredWithAClickOrAKey)
{
	std::future<int32> clicked =
	    GoAlert("EncodeFailed", "Impossibile avviare il codificatore.", "Annulla", "Riprova");
	ASSERT_TRUE(User().ClickLabel("EncodeFailed", "Annulla"));
	ASSERT_EQ(clicked.wait_for(kWait), std::future_status::ready);
	EXPECT_EQ(clicked.get(), 0);

	struct {
		const char* button0;
		const char* button1;
		int32 escape;
		std::vector<std::string> keys;
		int32 pressed;
	} const cases[] = {
	    {"Annulla", "OK", -1, {"Return"}, 1},
	    {"Annulla", "OK", 0, {"Escape"}, 0},
	    {"OK", nullptr, -1, {"Escape"}, 0},
	    {"Annulla", "OK", -1, {"Escape", "Return"}, 1},
	};
	for (const auto& test : cases) {
		std::string name = std::string(test.button0) + "/" +
		                   (test.button1 != nullptr ? test.button1 : "") + ": " +
		                   ::testing::PrintToString(test.keys);
		std::future<int32> answered =
		    GoAlert("SaveOpenError", "Impossibile aprire il file /tmp/a&b@c.", test.button0,
		            test.button1, test.escape);
		ASSERT_NE(User().WaitForDrawn("SaveOpenError"), 0u) << name;
		for (const std::string& key : test.keys)
			ASSERT_TRUE(User().Key("SaveOpenError", key)) << name;
		ASSERT_EQ(answered.wait_for(kWait), std::future_status::ready) << name;
		EXPECT_EQ(answered.get(), test.pressed) << name;
		ASSERT_TRUE(User().WaitForScreen());
	}
}

TEST_F(FltkDialogs, AFilePanelShowsTheProgramsLabelsAndSendsTheChosenEntry)
{
	TempDirectory folder;
	std::string encoder = folder.WriteFile("oggenc", "#!/bin/sh\n");
	ASSERT_EQ(mkdir((folder / "cartella").c_str(), 0755), 0);
	RecordingLooper* target = new RecordingLooper(log);
	target->Run();
	BMessenger messenger(target);
	{
		BMessage message(kMsgChosen);
		BFilePanel panel(B_OPEN_PANEL, &messenger, nullptr, B_FILE_NODE | B_SYMLINK_NODE, false,
		                 &message, nullptr, true, true);
		panel.Window()->SetTitle("Posizione di Oggenc");
		panel.SetButtonLabel(B_DEFAULT_BUTTON, "Seleziona");
		panel.SetButtonLabel(B_CANCEL_BUTTON, "Annulla");
		panel.SetPanelDirectory(folder.Path().c_str());
		panel.Show();

		ASSERT_NE(User().WaitForDrawn("Posizione di Oggenc"), 0u);
		EXPECT_TRUE(Screen().Frame("Posizione di Oggenc", "Seleziona"));
		EXPECT_TRUE(Screen().Frame("Posizione di Oggenc", "Annulla"));
		// A folder is not what this panel takes: choosing it opens it.
		ASSERT_TRUE(User().ClickLabel("Posizione di Oggenc", "Nome:"));
		ASSERT_TRUE(User().Type(folder / "cartella"));
		ASSERT_TRUE(User().Key("Posizione di Oggenc", "Return"));
		ASSERT_TRUE(User().WaitForScreen());
		ASSERT_TRUE(User().ClickLabel("Posizione di Oggenc", "Nome:"));
		ASSERT_TRUE(User().Type(encoder));
		ASSERT_TRUE(User().ClickLabel("Posizione di Oggenc", "Seleziona"));

		std::optional<BMessage> chosen = WaitForMessage(kMsgChosen);
		ASSERT_TRUE(chosen);
		EXPECT_EQ(Paths(*chosen, "refs"), std::vector<std::string>{encoder});
		EXPECT_EQ(Count(kMsgChosen), 1u) << "the folder was opened, not chosen: " << log->Codes();
	}
	target->Lock();
	target->Quit();
}

TEST_F(FltkDialogs, TwoFilesDroppedFromAFileManagerArriveAsOneDropInOrder)
{
	TempDirectory folder;
	std::string first = folder.WriteFile("uno.wav", "RIFF");
	std::string second = folder.WriteFile("due tre%.wav", "RIFF");
	ShowList();

	ASSERT_TRUE(User().Drop(kTitle, BPoint(200, 150), {first, second}));
	std::optional<BMessage> drop = WaitForMessage(B_SIMPLE_DATA);
	ASSERT_TRUE(drop);
	EXPECT_EQ(Paths(*drop, "refs"), (std::vector<std::string>{first, second}));
	EXPECT_EQ(Count(B_SIMPLE_DATA), 1u);
}

TEST_F(FltkDialogs, TenThousandRowsAreDrawnAFewTimesNotOnceARow)
{
	DropList* list = ShowList();
	ASSERT_NE(User().WaitForDrawn(kTitle), 0u);
	std::optional<FltkDisplay::WindowReport> before = Screen().Report(kTitle);
	ASSERT_TRUE(before);
	int32 batchesBefore = Screen().Batches();

	// One lock a row, as files handed to the program arrive: 10,000
	// updates of the window.
	const int32 rows = 10000;
	for (int row = 0; row < rows; row++) {
		BAutolock lock(list->Window());
		list->AddItem(new BStringItem(("/tmp/brano " + std::to_string(row) + ".wav").c_str()));
	}
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	ASSERT_TRUE(User().WaitForScreen());

	std::optional<FltkDisplay::WindowReport> after = Screen().Report(kTitle);
	ASSERT_TRUE(after);
	int32 draws = after->listDraws - before->listDraws;
	int32 batches = Screen().Batches() - batchesBefore;
	std::cout << rows << " rows: " << draws << " draws of the list in " << batches << " batches\n";
	EXPECT_GE(draws, 1);
	// The updates are taken together, and each batch draws at most once.
	EXPECT_LT(batches, rows / 10);
	EXPECT_LE(draws, batches + 1);
	EXPECT_GE(before->firstDrawn, 0);
}

TEST_F(FltkDialogs, FontMetricsComeFromTheScreenAndAddUp)
{
	font_height height = Screen().PlainFontHeight();
	EXPECT_GT(height.ascent, height.descent);
	EXPECT_GT(height.descent, 0);
	float whole = Screen().StringWidth("Opzioni del programma");
	float parts = Screen().StringWidth("Opzioni del ") + Screen().StringWidth("programma");
	EXPECT_GT(whole, 0);
	EXPECT_FLOAT_EQ(whole, parts);
	EXPECT_GT(Screen().StringWidth("WWW"), Screen().StringWidth("iii")) << "not a fixed font";
	// Measured on demand: not among the characters measured at the start.
	EXPECT_GT(Screen().StringWidth("\xE2\x86\x92"), 0);
	EXPECT_EQ(Screen().StringWidth(""), 0);
}
