#include "HeadlessDisplay.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <FilePanel.h>

#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/TestUser.h"

using BPrivate::kMsgPanelCancelled;
using BPrivate::ViewKind;
using BPrivate::ViewState;
using BPrivate::WindowKind;
using BPrivate::WindowUpdate;

namespace {

ViewState
MakeView(int32 token, int32 parent, const std::string& name, ViewKind kind = ViewKind::View,
         BRect frame = BRect(0, 0, 10, 10))
{
	ViewState view;
	view.token = token;
	view.parent = parent;
	view.name = name;
	view.kind = kind;
	view.frame = frame;
	return view;
}

// Drives the display with hand-made updates and a user acts on them; the
// posted input lands in a recording looper.
class Headless : public ::testing::Test {
protected:
	void
	SetUp() override
	{
		target->Run();
	}

	void
	TearDown() override
	{
		target->Lock();
		target->Quit();
	}

	WindowUpdate
	Window(int32 token, const std::string& title, bool shown,
	       window_feel feel = B_NORMAL_WINDOW_FEEL)
	{
		WindowUpdate update;
		update.window.token = token;
		update.window.title = title;
		update.window.shown = shown;
		update.window.feel = feel;
		update.window.frame = BRect(100, 100, 300, 300);
		update.window.target = BMessenger(target);
		return update;
	}

	// The messages posted so far, once count of them arrived.
	std::vector<BMessage>
	Posted(size_t count)
	{
		EXPECT_TRUE(log->WaitForCount(count)) << log->Codes();
		std::vector<BMessage> messages = log->Messages();
		EXPECT_EQ(messages.size(), count) << log->Codes();
		return messages;
	}

	// Checks that the user refuses the action for that reason.
	void
	ExpectRefused(const std::function<void()>& action, const std::string& reason)
	{
		std::string refusal = user.Refusal(action);
		EXPECT_NE(refusal.find(reason), std::string::npos)
		    << "refused for \"" << refusal << "\", not for \"" << reason << "\"";
	}

	HeadlessDisplay display;
	TestUser user{display};
	std::shared_ptr<MessageLog> log = std::make_shared<MessageLog>();
	RecordingLooper* target = new RecordingLooper(log);
};

} // namespace

TEST_F(Headless, WindowsAreFoundByTitleShownOnesFirst)
{
	display.Update(Window(1, "Stato", false));
	display.Update(Window(2, "Stato", true));
	display.Update(Window(3, "Stato", true));
	EXPECT_EQ(display.FindWindow("Stato")->token, 3) << "the one shown last";
	display.Update(Window(2, "Stato", false));
	display.Update(Window(2, "Stato", true));
	EXPECT_EQ(display.FindWindow("Stato")->token, 2);
	display.Update(Window(2, "Stato", false));
	display.Update(Window(3, "Stato", false));
	EXPECT_TRUE(display.FindWindow("Stato"));
	EXPECT_FALSE(display.FindWindow("Altro"));
	display.RemoveWindow(1);
	EXPECT_EQ(display.Windows().size(), 2u);
	EXPECT_EQ(display.UpdateCount(), 7);
}

TEST_F(Headless, ViewsAreMergedFoundInTreeOrderAndPlacedInTheWindow)
{
	WindowUpdate first = Window(1, "Principale", true);
	first.window.children = {10, 20};
	first.views.push_back(MakeView(10, 0, "BackView", ViewKind::View, BRect(0, 20, 440, 280)));
	first.views.back().children = {11};
	first.views.push_back(MakeView(11, 10, "Twin", ViewKind::Button, BRect(5, 5, 79, 29)));
	first.views.push_back(MakeView(20, 0, "Twin", ViewKind::Button, BRect(0, 0, 74, 24)));
	display.Update(first);

	EXPECT_EQ(display.FindView("Principale", "Twin")->token, 11) << "depth first";
	EXPECT_EQ(display.FrameInWindow("Principale", "Twin"), BRect(5, 25, 79, 49));

	WindowUpdate second = Window(1, "Principale", true);
	second.window.children = {10, 20};
	second.removedViews = {11};
	second.views.push_back(MakeView(10, 0, "BackView", ViewKind::View, BRect(0, 20, 440, 280)));
	display.Update(second);
	EXPECT_EQ(display.FindView("Principale", "Twin")->token, 20);
	EXPECT_FALSE(display.FindView("Principale", "Nothing"));
}

TEST_F(Headless, TypingStopsAtTheByteLimitCharacterByCharacter)
{
	WindowUpdate update = Window(1, "Opzioni", true);
	update.window.children = {10};
	update.views.push_back(MakeView(10, 0, "Extra", ViewKind::TextControl));
	update.views.back().children = {11};
	update.views.push_back(MakeView(11, 10, "_input_", ViewKind::TextView));
	update.views.back().text = "ab";
	update.views.back().maxBytes = 4;
	display.Update(update);

	EXPECT_TRUE(user.Type("Opzioni", "Extra", "cèd"));
	std::vector<BMessage> typed = Posted(2);
	const char* text = nullptr;
	int32 view = 0;
	typed[1].FindString("be:text", &text);
	typed[1].FindInt32("be:view", &view);
	EXPECT_STREQ(text, "abcd") << "è does not fit after abc";
	EXPECT_EQ(view, 11);
}

TEST_F(Headless, ActionsNeedAReachableView)
{
	WindowUpdate update = Window(1, "Principale", true);
	update.window.children = {10, 30};
	ViewState tabs = MakeView(10, 0, "TabView", ViewKind::TabView);
	tabs.tabLabels = {"File", "Opzioni"};
	tabs.tabPages = {20, 21};
	tabs.selectedTab = 0;
	tabs.children = {20, 21};
	update.views.push_back(tabs);
	update.views.push_back(MakeView(20, 10, "File"));
	update.views.push_back(MakeView(21, 10, "Opzioni"));
	update.views.back().children = {22};
	update.views.push_back(MakeView(22, 21, "Browse", ViewKind::Button));
	update.views.push_back(MakeView(30, 0, "Encode", ViewKind::Button));
	update.views.back().enabled = false;
	display.Update(update);

	ExpectRefused([&] { user.Click("Principale", "Browse"); }, "on a tab that is not shown");
	ExpectRefused([&] { user.Click("Principale", "Encode"); }, "Encode is disabled");
	ExpectRefused([&] { user.Click("Principale", "TabView"); }, "neither a button");
	ExpectRefused([&] { user.Click("Principale", "Nothing"); }, "no view Nothing");
	ExpectRefused([&] { user.Click("Nessuna", "Encode"); }, "no window Nessuna");
	ExpectRefused([&] { user.SelectTab("Principale", "TabView", "Altro"); }, "no tab Altro");
	EXPECT_TRUE(user.SelectTab("Principale", "TabView", "Opzioni"));

	display.Update(Window(2, "Modale", true, B_MODAL_APP_WINDOW_FEEL));
	ExpectRefused([&] { user.SelectTab("Principale", "TabView", "File"); },
	              "blocked by a modal window");
	display.Update(Window(1, "Principale", false));
	ExpectRefused([&] { user.ClickCloseBox("Principale"); }, "no window Principale is shown");
	Posted(1);
}

TEST_F(Headless, OpenPanelsTakeWhatTheirFlavoursAllow)
{
	TempDirectory folder;
	std::string file = folder.WriteFile("oggenc", "");
	std::string link = folder / "link";
	ASSERT_EQ(symlink(file.c_str(), link.c_str()), 0);
	std::string folderLink = folder / "cartella";
	ASSERT_EQ(symlink(folder.Path().c_str(), folderLink.c_str()), 0);

	WindowUpdate update = Window(1, "Posizione di Oggenc", true, B_MODAL_APP_WINDOW_FEEL);
	update.window.kind = WindowKind::FilePanel;
	update.window.panel.nodeFlavors = B_FILE_NODE;
	display.Update(update);
	const char* kPanel = "Posizione di Oggenc";
	ExpectRefused([&] { user.ConfirmOpenPanel(kPanel, {folder.Path()}); }, "node flavours");
	ExpectRefused([&] { user.ConfirmOpenPanel(kPanel, {folderLink}); }, "node flavours");
	ExpectRefused([&] { user.ConfirmOpenPanel(kPanel, {folder / "missing"}); }, "missing");
	ExpectRefused([&] { user.ConfirmOpenPanel(kPanel, {file, link}); }, "takes one entry");
	ExpectRefused([&] { user.ConfirmSavePanel(kPanel, folder.Path(), "x"); }, "an open panel");
	EXPECT_TRUE(user.ConfirmOpenPanel(kPanel, {link}));

	update.window.panel.nodeFlavors = B_FILE_NODE | B_SYMLINK_NODE;
	update.window.panel.multipleSelection = true;
	display.Update(update);
	EXPECT_TRUE(user.ConfirmOpenPanel(kPanel, {folderLink, file}));

	std::vector<BMessage> confirmed = Posted(2);
	entry_ref ref;
	ASSERT_EQ(confirmed[0].FindRef("refs", &ref), B_OK);
	EXPECT_EQ(path_for_ref(ref), link) << "a link comes as itself";
	ASSERT_EQ(confirmed[1].FindRef("refs", 1, &ref), B_OK);
	EXPECT_EQ(path_for_ref(ref), file);
}

TEST_F(Headless, SavePanelsNeedAFolderAndAName)
{
	TempDirectory folder;
	std::string file = folder.WriteFile("lista", "");
	WindowUpdate update = Window(1, "Salva lista", true);
	update.window.kind = WindowKind::FilePanel;
	update.window.panel.save = true;
	display.Update(update);

	ExpectRefused([&] { user.ConfirmSavePanel("Salva lista", file, "x"); }, "no folder");
	ExpectRefused([&] { user.ConfirmSavePanel("Salva lista", folder.Path(), ""); }, "no name");
	ExpectRefused([&] { user.ConfirmOpenPanel("Salva lista", {file}); }, "a save panel");
	EXPECT_TRUE(user.ConfirmSavePanel("Salva lista", folder.Path(), "lista"));
	EXPECT_TRUE(user.CancelPanel("Salva lista"));

	std::vector<BMessage> posted = Posted(2);
	entry_ref directory;
	const char* name = nullptr;
	ASSERT_EQ(posted[0].FindRef("directory", &directory), B_OK);
	ASSERT_EQ(posted[0].FindString("name", &name), B_OK);
	EXPECT_EQ(path_for_ref(directory), folder.Path());
	EXPECT_STREQ(name, "lista");
	EXPECT_EQ(posted[1].what, (uint32)kMsgPanelCancelled);
}

TEST_F(Headless, AlertsAreAnsweredInTheOrderTheyWereExpected)
{
	user.ExpectAlert("MimeInstalled", "Tipo MIME installato.", 0);
	user.ExpectAlert("MimeDeleted", "Tipo MIME cancellato.", 1);
	WindowUpdate alert = Window(1, "MimeDeleted", true, B_MODAL_APP_WINDOW_FEEL);
	alert.window.kind = WindowKind::Alert;
	alert.window.alert.text = "Tipo MIME cancellato.";
	alert.window.alert.buttons = {"OK", "Annulla", "Altro"};
	display.Update(alert);
	display.Update(alert);
	display.RemoveWindow(1);
	display.Update(alert);

	std::vector<BMessage> presses = Posted(2);
	int32 first = -1;
	int32 second = -1;
	presses[0].FindInt32("be:index", &first);
	presses[1].FindInt32("be:index", &second);
	EXPECT_EQ(first, 2) << "a mismatch presses the rightmost button";
	EXPECT_EQ(second, 1);
	std::vector<std::string> problems = user.TakeProblems();
	ASSERT_EQ(problems.size(), 1u);
	EXPECT_NE(problems[0].find("expected alert MimeInstalled"), std::string::npos) << problems[0];
	EXPECT_TRUE(user.TakeProblems().empty());
	EXPECT_EQ(user.CountExpectedAlerts(), 0);
	EXPECT_FALSE(display.WaitForShown("Mai", 1000));
}
