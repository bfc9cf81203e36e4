#include <Button.h>
#include <Message.h>
#include <Messenger.h>
#include <Window.h>

#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingWindow.h"

using BPrivate::kMsgCloseBox;
using BPrivate::kMsgWindowMoved;

namespace {

// A window that agrees to close only when told to.
class GuardedWindow : public RecordingWindow {
public:
	GuardedWindow(std::shared_ptr<MessageLog> log, const char* title, uint32 flags = 0)
	    : RecordingWindow(std::move(log), title, BRect(100, 100, 399, 299), B_NORMAL_WINDOW_FEEL,
	                      flags)
	{
	}

	bool
	QuitRequested() override
	{
		asked++;
		return agree;
	}

	std::atomic<int32> asked{0};
	std::atomic<bool> agree{false};
};

class Windows : public HeadlessFixture {
protected:
	RecordingWindow*
	WindowWithButton(const char* title, std::shared_ptr<MessageLog> log, window_feel feel)
	{
		RecordingWindow* window = new RecordingWindow(log, title, BRect(100, 100, 399, 299), feel);
		window->AddChild(new BButton(BRect(5, 5, 80, 30), "Button", "Premi", new BMessage('PUSH')));
		return window;
	}
};

} // namespace

TEST_F(Windows, ShowAndHideNest)
{
	auto log = std::make_shared<MessageLog>();
	RecordingWindow* window = new RecordingWindow(log, "Stato");
	EXPECT_TRUE(window->IsHidden());
	window->Run();
	EXPECT_FALSE(user.IsShown("Stato")) << "running is not showing";
	window->Show();
	EXPECT_TRUE(user.IsShown("Stato"));
	window->Hide();
	window->Hide();
	window->Show();
	EXPECT_TRUE(window->IsHidden());
	EXPECT_FALSE(user.IsShown("Stato"));
	window->Show();
	EXPECT_FALSE(window->IsHidden());
	EXPECT_EQ(user.ShownWindows(), (std::vector<std::string>{"Stato"}));

	window->SetTitle("Nuovo titolo");
	EXPECT_STREQ(window->Title(), "Nuovo titolo");
	EXPECT_TRUE(user.IsShown("Nuovo titolo"));
}

TEST_F(Windows, CloseBoxAsksTheWindowToQuit)
{
	auto log = std::make_shared<MessageLog>();
	GuardedWindow* window = new GuardedWindow(log, "Principale");
	window->Show();

	ASSERT_TRUE(user.ClickCloseBox("Principale"));
	EXPECT_EQ(window->asked, 1);
	EXPECT_TRUE(user.IsShown("Principale"));

	window->agree = true;
	ASSERT_TRUE(user.ClickCloseBox("Principale"));
	EXPECT_TRUE(log->WaitForDeleted());
	EXPECT_TRUE(display.Windows().empty());
}

TEST_F(Windows, WindowsWithoutCloseBoxCannotBeClosed)
{
	auto log = std::make_shared<MessageLog>();
	GuardedWindow* window = new GuardedWindow(log, "Stato della codifica", B_NOT_CLOSABLE);
	window->agree = true;
	window->Show();

	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.ClickCloseBox("Stato della codifica"); }), "");
	BMessenger(window).SendMessage(kMsgCloseBox);
	user.WaitIdle();
	EXPECT_EQ(window->asked, 0);
}

TEST_F(Windows, UserMovingAWindowChangesItsFrame)
{
	auto log = std::make_shared<MessageLog>();
	RecordingWindow* window = new RecordingWindow(log, "Principale");
	window->Show();
	BMessage moved(kMsgWindowMoved);
	moved.AddInt32("be:left", 300);
	moved.AddInt32("be:top", 40);
	BMessenger(window).SendMessage(&moved);
	user.WaitIdle();
	EXPECT_EQ(window->Frame(), BRect(300, 40, 599, 239));
}

TEST_F(Windows, ModalWindowBlocksTheOthersWhileShown)
{
	auto mainLog = std::make_shared<MessageLog>();
	auto modalLog = std::make_shared<MessageLog>();
	auto secondLog = std::make_shared<MessageLog>();
	RecordingWindow* main = WindowWithButton("Principale", mainLog, B_NORMAL_WINDOW_FEEL);
	RecordingWindow* modal = WindowWithButton("Stato", modalLog, B_MODAL_APP_WINDOW_FEEL);
	RecordingWindow* second = WindowWithButton("Secondo", secondLog, B_MODAL_APP_WINDOW_FEEL);
	main->Show();
	modal->Run();
	second->Run();

	ASSERT_TRUE(user.Click("Principale", "Button"));
	modal->Show();
	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.Click("Principale", "Button"); }), "");
	EXPECT_NE(user.Refusal([&] { user.ClickCloseBox("Principale"); }), "");
	ASSERT_TRUE(user.Click("Stato", "Button"));

	// The modal window shown last is the only one that takes input.
	second->Show();
	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.Click("Stato", "Button"); }), "");
	ASSERT_TRUE(user.Click("Secondo", "Button"));
	second->Hide();
	modal->Hide();
	ASSERT_TRUE(user.Click("Principale", "Button"));

	EXPECT_EQ(mainLog->Count(), 2u) << mainLog->Codes();
	EXPECT_EQ(modalLog->Count(), 1u) << modalLog->Codes();
	EXPECT_EQ(secondLog->Count(), 1u) << secondLog->Codes();
}
