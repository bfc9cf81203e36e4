#include <Application.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <Message.h>
#include <Roster.h>

#include "DesktopTools.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/Watchdog.h"
#include <LooperList.h>

namespace {

const char* kSignature = "application/x-vnd.Vorlix-Test";
// Set in a copy of this test program that a test starts as a child.
const char* kChildVariable = "VORLIX_APPLICATION_CHILD";

// Notes every hook it sees, as text, with whether it was still launching.
class NotingApp : public BApplication {
public:
	NotingApp() : BApplication(kSignature) {}

	void
	RefsReceived(BMessage* message) override
	{
		type_code type;
		int32 count = 0;
		message->GetInfo("refs", &type, &count);
		Note("refs " + std::to_string(count));
		for (int32 i = 0; i < count; i++) {
			entry_ref ref;
			message->FindRef("refs", i, &ref);
			refs.push_back(ref);
		}
	}

	void
	ReadyToRun() override
	{
		Note("ready");
		if (quitWhenReady)
			PostMessage(B_QUIT_REQUESTED);
	}

	void
	AboutRequested() override
	{
		Note("about");
	}

	void
	Note(const std::string& event)
	{
		events += (events.empty() ? "" : ", ") + event + (IsLaunching() ? " (launching)" : "");
	}

	bool quitWhenReady = true;
	std::string events;
	std::vector<entry_ref> refs;
};

// Runs the application in this thread, bounded.
void
RunBounded(BApplication& app)
{
	Watchdog watchdog(MessageLog::kTimeout);
	app.Run();
}

class Application : public testing::Test {
protected:
	void
	TearDown() override
	{
		BApplication::SetLaunchFiles(-1, nullptr);
		EXPECT_EQ(be_app, nullptr);
	}
};

} // namespace

TEST_F(Application, LaunchFilesArriveAsOneRefsMessageBeforeReadyToRun)
{
	TempDirectory directory;
	std::string file = directory.WriteFile("list one.vfl", "");
	const char* paths[] = {file.c_str(), "relative name"};
	BApplication::SetLaunchFiles(2, paths);
	{
		NotingApp app;
		EXPECT_TRUE(app.IsLaunching());
		RunBounded(app);
		EXPECT_EQ(app.events, "refs 2 (launching), ready (launching)");
		EXPECT_FALSE(app.IsLaunching());
		entry_ref expected;
		ASSERT_EQ(get_ref_for_path(file.c_str(), &expected), B_OK);
		ASSERT_EQ(app.refs.size(), 2u);
		EXPECT_EQ(app.refs[0], expected);
		ASSERT_EQ(get_ref_for_path("relative name", &expected), B_OK);
		EXPECT_EQ(app.refs[1], expected);
		EXPECT_EQ(path_for_ref(app.refs[1]), path_for_ref(expected));
	}
}

TEST_F(Application, WithoutLaunchFilesOnlyReadyToRunArrives)
{
	BApplication::SetLaunchFiles(0, nullptr);
	NotingApp app;
	RunBounded(app);
	EXPECT_EQ(app.events, "ready (launching)");
}

TEST_F(Application, AboutRequestedReachesTheHookOnlyWhenAddressedToTheApplication)
{
	BApplication::SetLaunchFiles(0, nullptr);
	auto log = std::make_shared<MessageLog>();
	NotingApp app;
	app.quitWhenReady = false;
	RecordingLooper* window = new RecordingLooper(log);
	window->Run();
	ASSERT_EQ(window->PostMessage(B_ABOUT_REQUESTED), B_OK);
	ASSERT_TRUE(log->WaitForCount(1));
	ASSERT_EQ(app.PostMessage(B_ABOUT_REQUESTED), B_OK);
	ASSERT_EQ(app.PostMessage(B_QUIT_REQUESTED), B_OK);
	RunBounded(app);
	EXPECT_EQ(app.events, "ready (launching), about");
	EXPECT_EQ(log->Codes(), "_ABR");
	EXPECT_TRUE(log->IsDeleted()) << "the quit request quit the other looper too";
}

TEST_F(Application, QuitAsksEveryOtherLooperInTurnInTheApplicationsThread)
{
	BApplication::SetLaunchFiles(0, nullptr);
	struct Answers {
		std::atomic<bool> agree = false;
		std::atomic<int> asked = 0;
		std::atomic<bool> askedRight = true;
	};
	class Asked : public RecordingLooper {
	public:
		Asked(std::shared_ptr<MessageLog> log, Answers& answers)
		    : RecordingLooper(std::move(log)), fAnswers(answers)
		{
		}

		bool
		QuitRequested() override
		{
			fAnswers.asked++;
			if (!IsLocked() || find_thread(nullptr) != be_app->Thread())
				fAnswers.askedRight = false;
			return fAnswers.agree;
		}

	private:
		Answers& fAnswers;
	};
	const uint32 kAgreeNow = 'AGRE';
	class QuittingApp : public NotingApp {
	public:
		void
		MessageReceived(BMessage* message) override
		{
			switch (message->what) {
				case kAgreeNow:
					Note("agree");
					refuser->agree = true;
					PostMessage(B_QUIT_REQUESTED);
					break;
				default:
					NotingApp::MessageReceived(message);
					break;
			}
		}

		Answers* refuser = nullptr;
	};

	auto firstLog = std::make_shared<MessageLog>();
	auto secondLog = std::make_shared<MessageLog>();
	Answers first;
	first.agree = true;
	Answers second;
	QuittingApp app;
	app.quitWhenReady = false;
	app.refuser = &second;
	(new Asked(firstLog, first))->Run();
	(new Asked(secondLog, second))->Run();
	// The first round stops at the refusal; the second round ends the
	// application.
	ASSERT_EQ(app.PostMessage(B_QUIT_REQUESTED), B_OK);
	ASSERT_EQ(app.PostMessage(kAgreeNow), B_OK);
	RunBounded(app);

	EXPECT_EQ(app.events, "ready (launching), agree");
	EXPECT_EQ(first.asked, 1);
	EXPECT_TRUE(firstLog->IsDeleted());
	EXPECT_EQ(second.asked, 2);
	EXPECT_TRUE(secondLog->IsDeleted());
	EXPECT_TRUE(first.askedRight);
	EXPECT_TRUE(second.askedRight);
}

TEST_F(Application, QuitFromAnotherThreadEndsRun)
{
	BApplication::SetLaunchFiles(0, nullptr);
	class App : public NotingApp {
	public:
		void
		ReadyToRun() override
		{
			NotingApp::ReadyToRun();
			quitter = std::thread([this] {
				// Waits for the application's thread to leave ReadyToRun().
				ASSERT_TRUE(Lock());
				Quit();
				Unlock();
			});
		}
		std::thread quitter;
	};
	App app;
	app.quitWhenReady = false;
	RunBounded(app);
	app.quitter.join();
	EXPECT_EQ(app.events, "ready (launching)");
}

TEST_F(Application, GetAppInfoNamesTheRunningExecutable)
{
	BApplication::SetLaunchFiles(0, nullptr);
	NotingApp app;
	app_info info;
	ASSERT_EQ(app.GetAppInfo(&info), B_OK);
	char* executable = realpath("/proc/self/exe", nullptr);
	ASSERT_NE(executable, nullptr);
	entry_ref expected;
	ASSERT_EQ(get_ref_for_path(executable, &expected), B_OK);
	free(executable);
	EXPECT_EQ(info.ref, expected);
	EXPECT_EQ(info.team, getpid());
	EXPECT_STREQ(info.signature, kSignature);
	EXPECT_EQ(info.flags, (uint32)B_MULTIPLE_LAUNCH);
	EXPECT_EQ(app.GetAppInfo(nullptr), B_BAD_VALUE);
}

TEST_F(Application, RefusesABadSignatureAndASecondApplication)
{
	auto log = std::make_shared<MessageLog>();
	BLooper* window = new RecordingLooper(log);
	status_t status = B_OK;
	{
		BApplication bad("text/plain", &status);
		EXPECT_EQ(status, B_BAD_VALUE);
		EXPECT_EQ(bad.InitCheck(), B_BAD_VALUE);
		EXPECT_EQ(be_app, nullptr);
	}
	BApplication::SetLaunchFiles(0, nullptr);
	BApplication first(kSignature, &status);
	EXPECT_EQ(status, B_OK);
	EXPECT_EQ(be_app, &first);
	EXPECT_TRUE(be_app_messenger.IsValid());
	{
		BApplication second(kSignature, &status);
		EXPECT_EQ(status, B_NOT_ALLOWED);
	}
	EXPECT_EQ(be_app, &first) << "the refused one leaves the first in place";
	EXPECT_TRUE(be_app_messenger.IsValid());
	EXPECT_FALSE(log->IsDeleted()) << "the refused ones quit no looper";
	window->Quit();
}

// The body of the child processes below: an application that reports its
// launch files and its quit request on standard output.
TEST_F(Application, ChildBody)
{
	if (getenv(kChildVariable) == nullptr)
		GTEST_SKIP() << "runs only as a child of the tests below";
	class ChildApp : public BApplication {
	public:
		ChildApp() : BApplication(kSignature) {}

		void
		RefsReceived(BMessage* message) override
		{
			entry_ref ref;
			for (int32 i = 0; message->FindRef("refs", i, &ref) == B_OK; i++)
				printf("ref:%s\n", path_for_ref(ref).c_str());
		}

		void
		ReadyToRun() override
		{
			printf("ready\n");
			fflush(stdout);
		}

		bool
		QuitRequested() override
		{
			// Flushed at once: a child that hangs while it quits shows
			// how far it came.
			printf("quit requested\n");
			fflush(stdout);
			return BApplication::QuitRequested();
		}
	};
	ChildApp app;
	RunBounded(app);
	printf("run returned\n");
	fflush(stdout);
}

static std::vector<std::string>
ChildEnvironment()
{
	return {std::string(kChildVariable) + "=1", "GTEST_FILTER=Application.ChildBody"};
}

TEST_F(Application, TakesItsLaunchFilesFromTheCommandLine)
{
	ChildProcess child({"/proc/self/exe", "one", "two words"}, ChildEnvironment());
	ASSERT_TRUE(child.IsRunning());
	ASSERT_TRUE(child.WaitForOutput("ready\n", MessageLog::kTimeout)) << child.Output();
	char* cwd = getcwd(nullptr, 0);
	std::string expected = std::string("ref:") + cwd + "/one\nref:" + cwd + "/two words\nready\n";
	free(cwd);
	EXPECT_NE(child.Output().find(expected), std::string::npos) << child.Output();
	ASSERT_EQ(kill(child.Pid(), SIGTERM), 0);
	int status = 0;
	ASSERT_TRUE(child.WaitForExit(MessageLog::kTimeout, &status));
}

TEST_F(Application, QuitSignalsBecomeAQuitRequest)
{
	for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
		SCOPED_TRACE(strsignal(signal));
		ChildProcess child({"/proc/self/exe"}, ChildEnvironment());
		ASSERT_TRUE(child.IsRunning());
		ASSERT_TRUE(child.WaitForOutput("ready\n", MessageLog::kTimeout)) << child.Output();
		ASSERT_EQ(kill(child.Pid(), signal), 0);
		int status = -1;
		ASSERT_TRUE(child.WaitForExit(MessageLog::kTimeout, &status)) << child.Output();
		EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
		EXPECT_NE(child.Output().find("ready\nquit requested\nrun returned\n"), std::string::npos)
		    << child.Output();
	}
}

// The quit signals reach the application through a signalfd: the thread
// that builds it, and every thread started after, blocks them. The tools it
// starts must not inherit the block, and the builder gets its mask back.
TEST_F(Application, BlocksTheQuitSignalsInItsThreadsButNotInThoseItStarts)
{
	auto blocked = [] {
		sigset_t mask;
		pthread_sigmask(SIG_BLOCK, nullptr, &mask);
		return sigismember(&mask, SIGTERM) == 1 && sigismember(&mask, SIGINT) == 1 &&
		       sigismember(&mask, SIGHUP) == 1;
	};
	ASSERT_FALSE(blocked());
	const std::vector<std::string> emptyMask = {
	    "-c", "grep -q '^SigBlk:[[:space:]]*0*$' /proc/self/status"};
	{
		BApplication::SetLaunchFiles(0, nullptr);
		BApplication app(kSignature);
		EXPECT_TRUE(blocked());
		bool inherited = false;
		std::thread([&] { inherited = blocked(); }).join();
		EXPECT_TRUE(inherited);
		EXPECT_EQ(DesktopTools::Run("sh", emptyMask), B_OK);
	}
	EXPECT_FALSE(blocked());
}
