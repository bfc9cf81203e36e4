#include <Button.h>
#include <StatusBar.h>
#include <StringView.h>

#include <algorithm>
#include <string>
#include <vector>

#include "encode/ProgressWindow.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingWindow.h"
#include "window/Commands.h"

using BPrivate::FixedFont;
using BPrivate::ViewState;
using BPrivate::WindowState;

namespace {

const char* kMain = "Principale";
const char* kProgress = "Stato della codifica";
const FixedFont kLargeFont = {{14, 4, 3}, 9};

// Logs what reaches the progress window itself, which should be nothing
// of its buttons.
class WatchedProgressWindow : public ProgressWindow {
public:
	WatchedProgressWindow(BWindow* target, std::shared_ptr<MessageLog> log)
	    : ProgressWindow(target), fLog(std::move(log))
	{
	}

	void
	MessageReceived(BMessage* message) override
	{
		fLog->Add(*message);
		ProgressWindow::MessageReceived(message);
	}

private:
	std::shared_ptr<MessageLog> fLog;
};

class ProgressWindowTest : public HeadlessFixture, public testing::WithParamInterface<FixedFont> {
protected:
	// As the main window does: built, running, hidden.
	void
	Build(const FixedFont& font = FixedFont::Reference())
	{
		display.SetFont(font);
		mainWindow = new RecordingWindow(mainLog, kMain);
		mainWindow->Show();
		progress = new WatchedProgressWindow(mainWindow, progressLog);
		progress->Run();
	}

	std::shared_ptr<MessageLog> mainLog = std::make_shared<MessageLog>();
	std::shared_ptr<MessageLog> progressLog = std::make_shared<MessageLog>();
	RecordingWindow* mainWindow = nullptr;
	ProgressWindow* progress = nullptr;
};

float
PreferredHeight(BView* view)
{
	float width;
	float height;
	view->GetPreferredSize(&width, &height);
	return height;
}

} // namespace

TEST_F(ProgressWindowTest, StartsHiddenWithItsViewsAndBothButtonsEnabled)
{
	Build();
	WindowState window = user.Window(kProgress);
	EXPECT_FALSE(window.shown);
	EXPECT_EQ(window.look, B_FLOATING_WINDOW_LOOK);
	EXPECT_EQ(window.feel, B_MODAL_APP_WINDOW_FEEL);
	EXPECT_EQ(window.flags, 0x84062u);
	ASSERT_TRUE(progress->Lock());
	EXPECT_EQ(progress->Workspaces(), (uint32)B_CURRENT_WORKSPACE);
	EXPECT_EQ(progress->CountChildren(), 1);
	EXPECT_EQ(progress->ChildAt(0), progress->backView);
	std::vector<std::string> names;
	for (int32 index = 0; index < progress->backView->CountChildren(); index++)
		names.push_back(progress->backView->ChildAt(index)->Name());
	EXPECT_EQ(names, (std::vector<std::string>{"NowEncoding", "FileName", "FileNumber", "FileBar",
	                                           "RunBar", "SkipFile", "StopEncoding"}));
	EXPECT_EQ(progress->CountEncoders(), 1);
	EXPECT_EQ(progress->FindView("FileBar"), progress->FileBar(0));
	EXPECT_EQ(progress->FindView("RunBar"), progress->runBar);
	EXPECT_EQ(progress->SkipButton(0), progress->skipButton);
	EXPECT_EQ(progress->FindView("FileName"), progress->fileNameView);
	EXPECT_EQ(progress->FindView("FileNumber"), progress->fileNumberView);
	EXPECT_EQ(progress->FindView("SkipFile"), progress->skipButton);
	EXPECT_EQ(progress->FindView("StopEncoding"), progress->stopButton);
	EXPECT_EQ(progress->skipButton->Command(), (uint32)SKIP);
	EXPECT_EQ(progress->stopButton->Command(), (uint32)STOP);
	progress->Unlock();

	ViewState back = user.View(kProgress, "BackView");
	EXPECT_EQ(back.resizingMode, (uint32)B_FOLLOW_ALL);
	EXPECT_EQ(back.flags, 0u);
	EXPECT_EQ(back.viewColor, ui_color(B_PANEL_BACKGROUND_COLOR));
	EXPECT_EQ(user.View(kProgress, "NowEncoding").text, "Codifica in corso del file:");
	for (const char* name : {"FileName", "FileNumber"}) {
		ViewState text = user.View(kProgress, name);
		EXPECT_EQ(text.text, "#") << name;
		EXPECT_EQ(text.resizingMode, (uint32)(B_FOLLOW_LEFT | B_FOLLOW_TOP)) << name;
		EXPECT_EQ(text.flags, (uint32)B_WILL_DRAW) << name;
	}
	ViewState skip = user.View(kProgress, "SkipFile");
	ViewState stop = user.View(kProgress, "StopEncoding");
	EXPECT_EQ(skip.label, "Salta file");
	EXPECT_EQ(stop.label, "Ferma codifica");
	for (const ViewState& button : {skip, stop}) {
		EXPECT_TRUE(button.enabled) << button.name;
		EXPECT_EQ(button.resizingMode, (uint32)(B_FOLLOW_LEFT | B_FOLLOW_TOP)) << button.name;
		EXPECT_EQ(button.flags, (uint32)(B_WILL_DRAW | B_NAVIGABLE)) << button.name;
	}
}

TEST_P(ProgressWindowTest, FollowsTheFontInHeightButNeverInWidth)
{
	Build(GetParam());
	BStringView caption(BRect(5, 5, 335, 6), "Twin", "Codifica in corso del file:");
	BButton skipTwin(BRect(0, 0, 1, 1), "Twin", "Salta file", nullptr);
	BButton stopTwin(BRect(0, 0, 1, 1), "Twin", "Ferma codifica", nullptr);
	BStatusBar barTwin(BRect(0, 0, 330, 1), "Twin");
	float line = PreferredHeight(&caption);
	float barHeight = PreferredHeight(&barTwin);
	float buttonHeight = PreferredHeight(&skipTwin);
	float skipWidth;
	float stopWidth;
	skipTwin.GetPreferredSize(&skipWidth, &buttonHeight);
	stopTwin.GetPreferredSize(&stopWidth, &buttonHeight);

	BRect now = user.View(kProgress, "NowEncoding").frame;
	EXPECT_EQ(now.LeftTop(), BPoint(5, 5));
	EXPECT_EQ(now.Height(), line);
	BRect name = user.View(kProgress, "FileName").frame;
	EXPECT_EQ(name, BRect(5, now.bottom + 6, 335, now.bottom + 21));
	BRect number = user.View(kProgress, "FileNumber").frame;
	EXPECT_EQ(number, BRect(5, name.bottom + 6, 335, name.bottom + 21));
	BRect fileBar = user.View(kProgress, "FileBar").frame;
	EXPECT_EQ(fileBar, BRect(5, number.bottom + 6, 335, number.bottom + 6 + barHeight));
	BRect runBar = user.View(kProgress, "RunBar").frame;
	EXPECT_EQ(runBar, BRect(5, fileBar.bottom + 6, 335, fileBar.bottom + 6 + barHeight));
	BRect skip = user.View(kProgress, "SkipFile").frame;
	EXPECT_EQ(skip, BRect(5, runBar.bottom + 6, 5 + skipWidth, runBar.bottom + 6 + buttonHeight));
	BRect stop = user.View(kProgress, "StopEncoding").frame;
	EXPECT_EQ(stop, BRect(skip.right + 5, skip.top, skip.right + 5 + stopWidth, skip.bottom));

	// The bars add their height and gaps to what the texts and buttons took.
	BRect frame = user.Window(kProgress).frame;
	EXPECT_EQ(frame.Width(), 340);
	EXPECT_EQ(frame.Height(), 3 * line + 28 + buttonHeight + 2 * (barHeight + 6));
	EXPECT_EQ(user.View(kProgress, "BackView").frame, BRect(0, 0, 340, frame.Height()))
	    << "the background follows the window";

	// A long path keeps the name's width.
	ASSERT_TRUE(progress->Lock());
	progress->fileNameView->SetText(("/" + std::string(400, 'p') + ".wav").c_str());
	progress->Unlock();
	EXPECT_EQ(user.View(kProgress, "FileName").frame, name);

	// Three encoders: a row each, one below the other, and the window
	// grows by what the rows take beyond the one bar.
	ASSERT_TRUE(progress->Lock());
	progress->SetEncoders(3);
	progress->Unlock();
	BRect row = user.View(kProgress, "FileBar1").frame;
	EXPECT_EQ(row.top, number.top);
	BRect salta = user.View(kProgress, "Skip1").frame;
	EXPECT_EQ(salta.right, 335);
	EXPECT_EQ(salta.bottom, row.bottom) << "level with the bar";
	EXPECT_EQ(row.right, salta.left - 5);
	float step = std::max(barHeight, buttonHeight) + 4;
	EXPECT_EQ(user.View(kProgress, "FileBar3").frame,
	          row.OffsetToCopy(row.left, row.top + 2 * step));
	EXPECT_EQ(user.View(kProgress, "RunBar").frame.top, number.top + 3 * step + 2);
	EXPECT_FALSE(display.FindView(kProgress, "FileName")) << "the names are in the rows";
	EXPECT_FALSE(display.FindView(kProgress, "SkipFile"));
	EXPECT_EQ(user.View(kProgress, "StopEncoding").frame.left, 5);
}

INSTANTIATE_TEST_SUITE_P(Fonts, ProgressWindowTest,
                         testing::Values(FixedFont::Reference(), kLargeFont));

TEST_F(ProgressWindowTest, ButtonsReachTheMainWindowOnly)
{
	Build();
	progress->Show();
	ASSERT_TRUE(user.IsShown(kProgress));
	EXPECT_NE(user.Refusal([&] { user.Click(kMain, "Nothing"); }), "")
	    << "the modal window blocks the main window";

	ASSERT_TRUE(user.Click(kProgress, "SkipFile"));
	ASSERT_TRUE(user.Click(kProgress, "StopEncoding"));
	// With rows, each "Salta" names its row.
	ASSERT_TRUE(progress->Lock());
	progress->SetEncoders(2);
	progress->Unlock();
	ASSERT_TRUE(user.Click(kProgress, "Skip2"));
	ASSERT_TRUE(mainLog->WaitForCount(3)) << mainLog->Codes();
	std::vector<BMessage> messages = mainLog->Messages();
	EXPECT_EQ(messages[0].what, (uint32)SKIP);
	EXPECT_EQ(messages[0].GetInfo("slot", nullptr), B_NAME_NOT_FOUND);
	EXPECT_EQ(messages[1].what, (uint32)STOP);
	EXPECT_EQ(messages[2].what, (uint32)SKIP);
	int32 slot = -1;
	EXPECT_EQ(messages[2].FindInt32("slot", &slot), B_OK);
	EXPECT_EQ(slot, 1);
	EXPECT_EQ(mainLog->Count(), 3u) << mainLog->Codes();
	EXPECT_EQ(progressLog->Count(), 0u) << progressLog->Codes();
	EXPECT_TRUE(user.IsShown(kProgress)) << "the window itself reacts to neither";
}
