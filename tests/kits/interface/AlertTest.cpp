#include <Alert.h>
#include <Application.h>
#include <Message.h>
#include <Messenger.h>
#include <StringView.h>

#include <atomic>
#include <future>
#include <thread>

#include "tests/support/ApplicationThread.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/Watchdog.h"

using BPrivate::ViewState;
using BPrivate::WindowState;

namespace {

const char* kAboutText = "Vorlix OggVorbis Frontend (Italiano)";

class Alerts : public HeadlessFixture {};

} // namespace

TEST_F(Alerts, GoReturnsTheScriptedButton)
{
	user.ExpectAlert("AboutDialog", kAboutText, 0);
	BAlert* alert = new BAlert("AboutDialog", kAboutText, "Apri sito", "Chiudi", nullptr,
	                           B_WIDTH_AS_USUAL, B_INFO_ALERT);
	EXPECT_EQ(alert->Go(), 0);

	user.ExpectAlert("EncodeFailed", "non trovato", 0);
	EXPECT_EQ((new BAlert("EncodeFailed", "non trovato", "OK", nullptr, nullptr, B_WIDTH_AS_USUAL,
	                      B_STOP_ALERT))
	              ->Go(),
	          0);
	EXPECT_TRUE(user.ShownWindows().empty()) << "alerts delete themselves";
	EXPECT_TRUE(display.Windows().empty());
}

TEST_F(Alerts, UnexpectedOrDifferentAlertsAreReportedAndClosedWithTheRightmostButton)
{
	EXPECT_EQ((new BAlert("AboutDialog", kAboutText, "Apri sito", "Chiudi"))->Go(), 1);
	user.ExpectAlert("MimeInstalled", "Tipo MIME installato.", 0);
	EXPECT_EQ((new BAlert("MimeDeleted", "Tipo MIME cancellato.", "OK", "Annulla"))->Go(), 1);

	std::vector<std::string> problems = user.TakeProblems();
	ASSERT_EQ(problems.size(), 2u);
	EXPECT_NE(problems[0].find("unexpected alert AboutDialog"), std::string::npos) << problems[0];
	EXPECT_NE(problems[1].find("MimeDeleted"), std::string::npos) << problems[1];
}

TEST_F(Alerts, GoBlocksOnlyTheCallingWindowAndShowsItsLatestState)
{
	auto windowLog = std::make_shared<MessageLog>();
	RecordingWindow* window = new RecordingWindow(windowLog, "Principale");
	BStringView* status = new BStringView(BRect(5, 5, 200, 20), "Status", "prima");
	window->AddChild(status);
	std::promise<int32> answer;
	window->SetAction([&](BMessage* message) {
		if (message->what != 'ASK')
			return;
		status->SetText("durante");
		answer.set_value((new BAlert("ReadmeDialog", "File leggimi non trovato!", "OK", nullptr,
		                             nullptr, B_WIDTH_AS_USUAL, B_STOP_ALERT))
		                     ->Go());
	});
	auto otherLog = std::make_shared<MessageLog>();
	RecordingLooper* other = new RecordingLooper(otherLog);
	other->Run();
	window->Show();

	user.ExpectAlert("ReadmeDialog", "File leggimi non trovato!", TestUser::kKeepAlertOpen);
	BMessenger(window).SendMessage('ASK');
	ASSERT_TRUE(display.WaitForShown("ReadmeDialog", MessageLog::kTimeout));

	// The window's thread waits in Go(); another looper still works.
	BMessenger(other).SendMessage('PING');
	EXPECT_TRUE(otherLog->WaitForCount(1));
	std::optional<ViewState> shown = display.FindView("Principale", "Status");
	ASSERT_TRUE(shown);
	EXPECT_EQ(shown->text, "durante");
	EXPECT_NE(user.Refusal([&] { user.Click("Principale", "Status"); }), "")
	    << "the alert is modal";
	std::optional<WindowState> alert = display.FindWindow("ReadmeDialog");
	ASSERT_TRUE(alert);
	EXPECT_EQ(alert->alert.type, B_STOP_ALERT);
	EXPECT_EQ(alert->alert.buttons, (std::vector<std::string>{"OK"}));
	EXPECT_EQ(alert->feel, B_MODAL_APP_WINDOW_FEEL);

	EXPECT_NE(user.Refusal([&] { user.PressAlertButton("ReadmeDialog", 1); }), "");
	EXPECT_TRUE(user.PressAlertButton("ReadmeDialog", 0));
	std::future<int32> pressed = answer.get_future();
	ASSERT_EQ(pressed.wait_for(std::chrono::microseconds(MessageLog::kTimeout)),
	          std::future_status::ready);
	EXPECT_EQ(pressed.get(), 0);
	EXPECT_FALSE(user.IsShown("ReadmeDialog"));

	ASSERT_TRUE(other->Lock());
	other->Quit();
}

TEST_F(Alerts, QuitRoundEndsAnOpenAlertWithMinusOne)
{
	ApplicationThread application(
	    [] { return new BApplication("application/x-vnd.Vorlix-AlertTest"); });
	user.ExpectAlert("AboutDialog", kAboutText, TestUser::kKeepAlertOpen);
	std::promise<int32> answer;
	std::thread asker([&] {
		answer.set_value((new BAlert("AboutDialog", kAboutText, "Apri sito", "Chiudi"))->Go());
	});
	EXPECT_TRUE(display.WaitForShown("AboutDialog", MessageLog::kTimeout));

	application.Quit();
	{
		Watchdog watchdog(MessageLog::kTimeout);
		asker.join();
	}
	std::future<int32> pressed = answer.get_future();
	EXPECT_EQ(pressed.get(), -1);
	EXPECT_TRUE(display.Windows().empty());
}
