#include <FilePanel.h>

#include <Application.h>
#include <Button.h>
#include <Message.h>
#include <Window.h>

#include <memory>
#include <unistd.h>

#include "tests/support/ApplicationThread.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempDirectory.h"

using BPrivate::kMsgCloseBox;
using BPrivate::WindowKind;
using BPrivate::WindowState;

namespace {

// Logs what reaches the application: refs through RefsReceived, the rest
// through MessageReceived.
class RecordingApp : public BApplication {
public:
	explicit RecordingApp(std::shared_ptr<MessageLog> log)
	    : BApplication("application/x-vnd.Vorlix-PanelTest"), fLog(std::move(log))
	{
	}

	void
	RefsReceived(BMessage* message) override
	{
		fLog->Add(*message);
	}
	void
	MessageReceived(BMessage* message) override
	{
		fLog->Add(*message);
	}

private:
	std::shared_ptr<MessageLog> fLog;
};

class FilePanels : public HeadlessFixture {
protected:
	void
	TearDown() override
	{
		application.Quit();
		HeadlessFixture::TearDown();
	}

	std::string
	Path(const BMessage& message, const char* field, int32 index = 0)
	{
		entry_ref ref;
		if (message.FindRef(field, index, &ref) != B_OK)
			return "";
		return path_for_ref(ref);
	}

	TempDirectory folder;
	std::string first = folder.WriteFile("a.wav", "");
	std::string second = folder.WriteFile("b c.wav", "");
	std::shared_ptr<MessageLog> appLog = std::make_shared<MessageLog>();
	ApplicationThread application{[this] { return new RecordingApp(appLog); }};
};

int32
OldWhat(const BMessage& message)
{
	int32 what = 0;
	message.FindInt32("old_what", &what);
	return what;
}

} // namespace

TEST_F(FilePanels, OpenPanelWithoutTargetSendsRefsToTheApplication)
{
	BFilePanel panel(B_OPEN_PANEL, nullptr, nullptr, B_FILE_NODE, true);
	panel.Window()->SetTitle("Aggiungi file");
	panel.SetButtonLabel(B_DEFAULT_BUTTON, "Aggiungi");
	EXPECT_FALSE(panel.IsShowing());
	panel.Show();
	EXPECT_TRUE(panel.IsShowing());
	WindowState shown = user.Window("Aggiungi file");
	EXPECT_EQ(shown.kind, WindowKind::FilePanel);
	EXPECT_EQ(shown.panel.defaultButtonLabel, "Aggiungi");
	EXPECT_EQ(shown.panel.cancelButtonLabel, "Annulla");
	char* current = getcwd(nullptr, 0);
	EXPECT_EQ(shown.panel.directory, current) << "no start directory: the working one";
	free(current);

	ASSERT_TRUE(user.ConfirmOpenPanel("Aggiungi file", {first, second}));
	ASSERT_EQ(appLog->Count(), 2u) << appLog->Codes();
	BMessage refs = appLog->Messages()[0];
	EXPECT_EQ(refs.what, (uint32)B_REFS_RECEIVED);
	EXPECT_EQ(Path(refs, "refs", 0), first);
	EXPECT_EQ(Path(refs, "refs", 1), second);
	BMessage cancel = appLog->Messages()[1];
	EXPECT_EQ(cancel.what, (uint32)B_CANCEL) << "hidden after confirming";
	EXPECT_EQ(OldWhat(cancel), (int32)B_REFS_RECEIVED);
	EXPECT_FALSE(user.IsShown("Aggiungi file"));
	EXPECT_FALSE(panel.IsShowing());
}

TEST_F(FilePanels, OwnMessageKeepsItsCodeAndFieldsAndTheChosenLinkItself)
{
	std::string link = folder / "oggenc";
	ASSERT_EQ(symlink(first.c_str(), link.c_str()), 0);
	BMessage model('LOGP');
	model.AddString("tag", "posizione");
	BFilePanel panel(B_OPEN_PANEL, nullptr, nullptr, B_FILE_NODE | B_SYMLINK_NODE, false, &model,
	                 nullptr, true, true);
	panel.Window()->SetTitle("Posizione di Oggenc");
	panel.Show();

	user.WaitIdle();
	std::string refusal = user.Refusal([&] {
		user.ConfirmOpenPanel("Posizione di Oggenc", {first, second});
	});
	EXPECT_NE(refusal, "") << "single selection";
	ASSERT_TRUE(user.ConfirmOpenPanel("Posizione di Oggenc", {link}));
	ASSERT_EQ(appLog->Count(), 2u) << appLog->Codes();
	BMessage chosen = appLog->Messages()[0];
	EXPECT_EQ(chosen.what, (uint32)'LOGP');
	EXPECT_TRUE(chosen.HasString("tag"));
	EXPECT_EQ(Path(chosen, "refs"), link);
	EXPECT_EQ(OldWhat(appLog->Messages()[1]), (int32)'LOGP');
}

TEST_F(FilePanels, SavePanelSendsDirectoryAndName)
{
	BMessage model('SLPM');
	BFilePanel listPanel(B_SAVE_PANEL, nullptr, nullptr, B_FILE_NODE, false, &model);
	listPanel.Window()->SetTitle("Salva lista");
	listPanel.SetButtonLabel(B_DEFAULT_BUTTON, "Salve");
	listPanel.Show();
	ASSERT_TRUE(user.ConfirmSavePanel("Salva lista", folder.Path(), "lista"));

	BFilePanel plainPanel(B_SAVE_PANEL);
	plainPanel.Window()->SetTitle("Salva");
	plainPanel.Show();
	ASSERT_TRUE(user.ConfirmSavePanel("Salva", folder.Path(), "altra"));

	ASSERT_EQ(appLog->Count(), 4u) << appLog->Codes();
	BMessage save = appLog->Messages()[0];
	EXPECT_EQ(save.what, (uint32)'SLPM');
	EXPECT_EQ(Path(save, "directory"), folder.Path());
	const char* name = nullptr;
	EXPECT_EQ(save.FindString("name", &name), B_OK);
	EXPECT_STREQ(name, "lista");
	EXPECT_EQ(appLog->Messages()[2].what, (uint32)B_SAVE_REQUESTED);
	EXPECT_EQ(user.Window("Salva lista").panel.defaultButtonLabel, "Salve");
}

TEST_F(FilePanels, CancelSendsOnlyTheCancelNotice)
{
	BMessage model('OLPM');
	BFilePanel panel(B_OPEN_PANEL, nullptr, nullptr, 0, false, &model);
	panel.Window()->SetTitle("Apri lista");
	panel.Show();
	ASSERT_TRUE(user.CancelPanel("Apri lista"));
	panel.Show();
	BMessenger(panel.Window()).SendMessage(kMsgCloseBox);
	user.WaitIdle();

	ASSERT_EQ(appLog->Count(), 2u) << appLog->Codes();
	for (const BMessage& notice : appLog->Messages()) {
		EXPECT_EQ(notice.what, (uint32)B_CANCEL);
		EXPECT_EQ(OldWhat(notice), (int32)'OLPM');
		void* source = nullptr;
		notice.FindPointer("source", &source);
		EXPECT_EQ(source, &panel);
	}
	EXPECT_FALSE(panel.IsShowing()) << "the close box hides the panel, never deletes it";
	panel.Show();
	EXPECT_TRUE(user.IsShown("Apri lista"));
}

TEST_F(FilePanels, WithoutHideWhenDoneThePanelStaysAfterConfirming)
{
	auto targetLog = std::make_shared<MessageLog>();
	RecordingLooper* target = new RecordingLooper(targetLog);
	target->Run();
	BFilePanel panel(B_OPEN_PANEL);
	panel.Window()->SetTitle("Aggiungi file");
	panel.SetTarget(BMessenger(target));
	panel.SetHideWhenDone(false);
	panel.SetButtonLabel(B_CANCEL_BUTTON, "Chiudi");
	panel.Show();

	ASSERT_TRUE(user.ConfirmOpenPanel("Aggiungi file", {first}));
	ASSERT_TRUE(user.ConfirmOpenPanel("Aggiungi file", {second}));
	EXPECT_TRUE(panel.IsShowing());
	EXPECT_EQ(user.Window("Aggiungi file").panel.cancelButtonLabel, "Chiudi");
	EXPECT_EQ(targetLog->Codes(), "_RRC _RRC");
	EXPECT_EQ(appLog->Count(), 0u) << appLog->Codes();

	ASSERT_TRUE(target->Lock());
	target->Quit();
}

TEST_F(FilePanels, ModalPanelBlocksTheOtherWindows)
{
	auto windowLog = std::make_shared<MessageLog>();
	RecordingWindow* window = new RecordingWindow(windowLog, "Principale");
	window->AddChild(new BButton(BRect(5, 5, 80, 30), "Button", "Premi", new BMessage('PUSH')));
	window->Show();
	BFilePanel panel(B_OPEN_PANEL, nullptr, nullptr, 0, true, nullptr, nullptr, true);
	panel.Window()->SetTitle("Apri lista");
	panel.Show();

	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.Click("Principale", "Button"); }), "");
	ASSERT_TRUE(user.CancelPanel("Apri lista"));
	ASSERT_TRUE(user.Click("Principale", "Button"));
}

TEST_F(FilePanels, PanelOutlivesTheWindowTheQuitRoundClosed)
{
	BFilePanel* panel = new BFilePanel(B_OPEN_PANEL);
	panel->Show();
	application.Quit();
	EXPECT_FALSE(panel->IsShowing());
	panel->Show();
	delete panel;
}
