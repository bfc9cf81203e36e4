#include <Roster.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sched.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <AppDefs.h>
#include <Entry.h>
#include <Message.h>

#include "tests/support/FakeEncoderLog.h"
#include "tests/support/MessageLog.h"
#include "tests/support/Polling.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/TempDirectory.h"
#include <LooperList.h>

using BPrivate::LooperList;

namespace {

// A roster of the test's own, a watching looper, and a log for the fake
// encoder, which the children find through the environment.
class Roster : public testing::Test {
protected:
	void
	SetUp() override
	{
		fEncoderLog = std::make_unique<FakeEncoderLog>(fDirectory / "encoder.log");
		fEncoder = FakeEncoderLog::Ref();
		fWatcher = StartLooper(fNotices);
	}

	void
	TearDown() override
	{
		for (BLooper* looper : fLoopers) {
			if (LooperList::Lock(looper))
				looper->Quit();
		}
	}

	BMessenger
	StartLooper(std::shared_ptr<MessageLog>& log)
	{
		log = std::make_shared<MessageLog>();
		BLooper* looper = new RecordingLooper(log);
		looper->Run();
		fLoopers.push_back(looper);
		return BMessenger(looper);
	}

	team_id
	LaunchEncoder(const char* mode, std::vector<const char*> arguments = {})
	{
		fEncoderLog->SetMode(mode);
		team_id team = 0;
		EXPECT_EQ(fRoster.Launch(&fEncoder, (int)arguments.size(), arguments.data(), &team), B_OK);
		EXPECT_GT(team, 0);
		return team;
	}

	// The notice at index, checked to name the encoder and the team (and
	// how it ended, unless that is kAnyEnd).
	static constexpr int32 kAnyEnd = 1000;
	void
	ExpectNotice(const MessageLog& log, size_t index, team_id team, int32 how = kAnyEnd)
	{
		ASSERT_TRUE(log.WaitForCount(index + 1)) << log.Codes();
		BMessage notice = log.Messages()[index];
		EXPECT_EQ(notice.what, (uint32)B_SOME_APP_QUIT);
		entry_ref ref;
		EXPECT_EQ(notice.FindRef("be:ref", &ref), B_OK);
		EXPECT_EQ(ref, fEncoder) << path_for_ref(ref);
		int32 noticeTeam = -1;
		EXPECT_EQ(notice.FindInt32("be:team", &noticeTeam), B_OK);
		EXPECT_EQ(noticeTeam, team);
		int32 noticeHow = -1000;
		EXPECT_EQ(notice.FindInt32("be:exit", &noticeHow), B_OK);
		if (how != kAnyEnd) {
			EXPECT_EQ(noticeHow, how);
		}
	}

	TempDirectory fDirectory;
	std::unique_ptr<FakeEncoderLog> fEncoderLog;
	entry_ref fEncoder;
	BRoster fRoster;
	std::shared_ptr<MessageLog> fNotices;
	BMessenger fWatcher;
	std::vector<BLooper*> fLoopers;
};

} // namespace

TEST_F(Roster, AnnouncesEveryEndOfAChildWithItsFileTeamAndHowItEnded)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	size_t index = 0;
	struct Case {
		const char* mode;
		int32 how;
	};
	for (const Case& test :
	     {Case{"exit", 0}, Case{"fail", 1}, Case{"crash", -SIGSEGV}, Case{"hang", -SIGKILL}}) {
		SCOPED_TRACE(test.mode);
		team_id team = LaunchEncoder(test.mode);
		if (std::string(test.mode) == "hang") {
			EXPECT_EQ(kill_team(team), B_OK);
		}
		ExpectNotice(*fNotices, index++, team, test.how);
	}
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fNotices->Count(), index) << fNotices->Codes();
}

TEST_F(Roster, NamesTheFileALinkLeadsTo)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	std::string link = fDirectory / "encoder link";
	ASSERT_EQ(symlink(FAKE_ENCODER_PATH, link.c_str()), 0);
	entry_ref linkRef;
	ASSERT_EQ(get_ref_for_path(link.c_str(), &linkRef), B_OK);
	team_id team = -1;
	ASSERT_EQ(fRoster.Launch(&linkRef, 0, nullptr, &team), B_OK);
	ExpectNotice(*fNotices, 0, team);
}

TEST_F(Roster, PassesTheArgumentsAfterTheProgramsPath)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	std::vector<const char*> arguments = {"-b", "128", "", "/a path/with \"quotes\"", "\\"};
	team_id team = LaunchEncoder("exit", arguments);
	ExpectNotice(*fNotices, 0, team);
	std::vector<FakeEncoderLog::Record> records = fEncoderLog->Records();
	ASSERT_EQ(records.size(), 1u);
	EXPECT_EQ(records[0].pid, team);
	std::vector<std::string> expected(arguments.begin(), arguments.end());
	EXPECT_EQ(records[0].arguments, expected)
	    << "expected " << FakeEncoderLog::Describe(expected) << "\n  actual "
	    << FakeEncoderLog::Describe(records[0].arguments);
}

TEST_F(Roster, ChildrenGetOnlyTheStandardDescriptorsAProcessGroupOfTheirOwnAndEveryProcessor)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	// Once a child has ended, the next one starts on its processor: that
	// must leave neither the child nor the launching thread held there.
	cpu_set_t own;
	ASSERT_EQ(sched_getaffinity(0, sizeof(own), &own), 0);
	ExpectNotice(*fNotices, 0, LaunchEncoder("exit"));
	// A descriptor that an exec'd child would keep unless it is closed.
	std::string marker = fDirectory.WriteFile("marker", "");
	int leaky = open(marker.c_str(), O_RDONLY);
	ASSERT_GE(leaky, 0);
	// Without a log the encoder opens no file of its own.
	unsetenv("FAKE_ENCODER_LOG");
	team_id team = LaunchEncoder("hang");
	close(leaky);
	cpu_set_t child;
	cpu_set_t launcher;
	ASSERT_EQ(sched_getaffinity(team, sizeof(child), &child), 0);
	ASSERT_EQ(sched_getaffinity(0, sizeof(launcher), &launcher), 0);
	EXPECT_TRUE(CPU_EQUAL(&child, &own)) << CPU_COUNT(&child) << " of " << CPU_COUNT(&own);
	EXPECT_TRUE(CPU_EQUAL(&launcher, &own)) << CPU_COUNT(&launcher) << " of " << CPU_COUNT(&own);

	// Past the standard three, the child may only have a file open that
	// its dynamic loader is reading: no pipe, event or process descriptor,
	// and not the marker.
	std::string fdFolder = "/proc/" + std::to_string(team) + "/fd";
	DIR* folder = opendir(fdFolder.c_str());
	ASSERT_NE(folder, nullptr);
	while (dirent* entry = readdir(folder)) {
		if (entry->d_name[0] == '.' || atoi(entry->d_name) <= STDERR_FILENO)
			continue;
		char target[4096] = {};
		std::string link = fdFolder + "/" + entry->d_name;
		if (readlink(link.c_str(), target, sizeof(target) - 1) < 0)
			continue;
		EXPECT_EQ(target[0], '/') << entry->d_name << " -> " << target;
		EXPECT_NE(target, marker) << entry->d_name;
	}
	closedir(folder);
	EXPECT_EQ(getpgid(team), team);
	EXPECT_EQ(kill_team(team), B_OK);
	ExpectNotice(*fNotices, 1, team);
}

TEST_F(Roster, LaunchFailuresStartNothing)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	std::string notExecutable = fDirectory.WriteFile("script", "#!/bin/sh\nexit 0\n");
	ASSERT_EQ(chmod(notExecutable.c_str(), 0644), 0);
	struct Case {
		std::string path;
		status_t status;
	};
	for (const Case& test :
	     {Case{fDirectory / "missing", B_ENTRY_NOT_FOUND},
	      Case{fDirectory.Path(), B_PERMISSION_DENIED}, Case{notExecutable, B_PERMISSION_DENIED}}) {
		SCOPED_TRACE(test.path);
		entry_ref ref;
		ASSERT_EQ(get_ref_for_path(test.path.c_str(), &ref), B_OK);
		team_id team = 12345;
		EXPECT_EQ(fRoster.Launch(&ref, 0, nullptr, &team), test.status);
		EXPECT_EQ(team, -1);
	}
	entry_ref empty;
	team_id team = 12345;
	EXPECT_EQ(fRoster.Launch(&empty, 0, nullptr, &team), B_BAD_VALUE);
	EXPECT_EQ(team, -1);
	const char* argument = "x";
	EXPECT_EQ(fRoster.Launch(&fEncoder, -1, &argument, &team), B_BAD_VALUE);
	EXPECT_EQ(fRoster.Launch(&fEncoder, 1, nullptr, &team), B_BAD_VALUE);

	// Only the one child started afterwards is ever announced.
	team = LaunchEncoder("exit");
	ExpectNotice(*fNotices, 0, team);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fNotices->Count(), 1u) << fNotices->Codes();
	EXPECT_EQ(fEncoderLog->Records().size(), 1u);
}

TEST_F(Roster, StopWatchingEndsTheNotices)
{
	std::shared_ptr<MessageLog> otherNotices;
	BMessenger other = StartLooper(otherNotices);
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	ASSERT_EQ(fRoster.StartWatching(other, B_REQUEST_QUIT), B_OK);
	EXPECT_EQ(fRoster.StopWatching(fWatcher), B_OK);
	EXPECT_EQ(fRoster.StopWatching(fWatcher), B_BAD_VALUE);

	// The notices go out together: once the other watcher has its own,
	// none is on its way to the first.
	team_id team = LaunchEncoder("exit");
	ExpectNotice(*otherNotices, 0, team);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fNotices->Count(), 0u) << fNotices->Codes();
}

TEST_F(Roster, WatchingAgainReplacesTheEvents)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	std::shared_ptr<MessageLog> launchOnly;
	BMessenger launches = StartLooper(launchOnly);
	ASSERT_EQ(fRoster.StartWatching(launches, B_REQUEST_QUIT), B_OK);
	ASSERT_EQ(fRoster.StartWatching(launches, B_REQUEST_LAUNCHED), B_OK);
	team_id team = LaunchEncoder("exit");
	ExpectNotice(*fNotices, 0, team);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fNotices->Count(), 1u) << "watching twice is not announcing twice";
	EXPECT_EQ(launchOnly->Count(), 0u) << launchOnly->Codes();
	EXPECT_EQ(fRoster.StartWatching(BMessenger(), B_REQUEST_QUIT), B_BAD_VALUE);
}

// The standard error of children started while someone watches it: every
// byte, before the end or with it, also when a child floods it; SIGPIPE is
// blocked in such a child only, so that it outlives this program's end of
// the pipe.
TEST_F(Roster, HandsOverStandardErrorBeforeTheEndOrWithIt)
{
	std::shared_ptr<MessageLog> quitOnly;
	BMessenger quitWatcher = StartLooper(quitOnly);
	std::shared_ptr<MessageLog> outputOnly;
	BMessenger outputWatcher = StartLooper(outputOnly);
	ASSERT_EQ(fRoster.StartWatching(quitWatcher, B_REQUEST_QUIT), B_OK);
	ASSERT_EQ(fRoster.StartWatching(outputWatcher, B_REQUEST_OUTPUT), B_OK);
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT | B_REQUEST_OUTPUT), B_OK);
	// What came before the end, then what came with it.
	auto received = [](const std::vector<BMessage>& messages, team_id team) {
		std::string bytes;
		for (const BMessage& message : messages) {
			int32 from = -1;
			const void* data = nullptr;
			ssize_t size = 0;
			EXPECT_EQ(message.FindInt32("be:team", &from), B_OK);
			EXPECT_EQ(from, team);
			if (message.FindData("be:data", B_RAW_TYPE, &data, &size) == B_OK)
				bytes.append(static_cast<const char*>(data), size);
		}
		return bytes;
	};
	struct Case {
		const char* mode;
		std::string text;
		size_t bytes;
		int32 how;
	};
	std::string text = "\t[ 47.0%] [ 0m03s remaining] |\rERROR: nessun file\n";
	for (const Case& test : {Case{"fail", text, text.size(), 1}, Case{"output", "", 8u << 20, 0}}) {
		SCOPED_TRACE(test.mode);
		size_t first = fNotices->Count();
		size_t firstOutput = outputOnly->Count();
		fEncoderLog->SetStandardError(test.text);
		team_id team = LaunchEncoder(test.mode);
		ASSERT_TRUE(Polling::WaitUntil(
		    [&] {
			    std::vector<BMessage> messages = fNotices->Messages();
			    return messages.size() > first && messages.back().what == B_SOME_APP_QUIT;
		    },
		    MessageLog::kTimeout));
		std::vector<BMessage> messages = fNotices->Messages();
		messages.erase(messages.begin(), messages.begin() + first);
		for (size_t i = 0; i + 1 < messages.size(); i++)
			ASSERT_EQ(messages[i].what, (uint32)B_SOME_APP_OUTPUT) << i;
		std::string bytes = received(messages, team);
		EXPECT_EQ(bytes.size(), test.bytes);
		if (!test.text.empty()) {
			EXPECT_EQ(bytes, test.text);
		}
		ExpectNotice(*fNotices, first + messages.size() - 1, team, test.how);

		// Who watches the output alone gets all of it in messages of its
		// own.
		ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
		std::vector<BMessage> outputs = outputOnly->Messages();
		outputs.erase(outputs.begin(), outputs.begin() + firstOutput);
		for (const BMessage& output : outputs)
			EXPECT_EQ(output.what, (uint32)B_SOME_APP_OUTPUT);
		EXPECT_EQ(received(outputs, team), bytes);
	}
	fEncoderLog->SetStandardError("");
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	for (const BMessage& message : quitOnly->Messages()) {
		EXPECT_EQ(message.what, (uint32)B_SOME_APP_QUIT);
		EXPECT_EQ(message.GetInfo("be:data", nullptr), B_NAME_NOT_FOUND)
		    << "output only to who asked for it";
	}

	auto blocksSigpipe = [](team_id team) {
		std::ifstream status("/proc/" + std::to_string(team) + "/status");
		std::string line;
		while (std::getline(status, line)) {
			if (line.rfind("SigBlk:", 0) == 0)
				return (std::stoull(line.substr(7), nullptr, 16) & (1ull << (SIGPIPE - 1))) != 0;
		}
		return false;
	};
	team_id captured = LaunchEncoder("hang");
	EXPECT_TRUE(blocksSigpipe(captured));
	EXPECT_EQ(kill_team(captured), B_OK);
	// Nobody wants output once one watcher stops and the other watches
	// again for the end alone.
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	ASSERT_EQ(fRoster.StopWatching(outputWatcher), B_OK);
	team_id plain = LaunchEncoder("hang");
	EXPECT_FALSE(blocksSigpipe(plain));
	EXPECT_EQ(kill_team(plain), B_OK);
	EXPECT_TRUE(Polling::WaitForProcessEnd(plain, MessageLog::kTimeout));
}

TEST_F(Roster, ChildrenOutliveTheRoster)
{
	team_id team = -1;
	{
		BRoster roster;
		fEncoderLog->SetMode("hang");
		ASSERT_EQ(roster.Launch(&fEncoder, 0, nullptr, &team), B_OK);
	}
	EXPECT_EQ(kill(team, 0), 0) << "still running";
	// No longer watched: reaping it falls to this process.
	EXPECT_EQ(kill_team(team), B_OK);
	int status = 0;
	ASSERT_EQ(waitpid(team, &status, 0), team);
	EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST_F(Roster, ThePlatformsRosterAnnouncesToo)
{
	ASSERT_NE(be_roster, nullptr);
	ASSERT_EQ(be_roster->StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	team_id team = -1;
	ASSERT_EQ(be_roster->Launch(&fEncoder, 0, nullptr, &team), B_OK);
	ExpectNotice(*fNotices, 0, team);
	EXPECT_EQ(be_roster->StopWatching(fWatcher), B_OK);
}

// xdg-open is replaced by a stub that records its arguments, one per line.
class RosterOpener : public Roster {
protected:
	void
	SetUp() override
	{
		Roster::SetUp();
		fStubLog = fDirectory / "opener.log";
		std::string stub = fDirectory.WriteFile(
		    "xdg-open", "#!/bin/sh\nfor argument in \"$@\"; do echo \"$argument\" >> '" + fStubLog +
		                    "'; done\n");
		ASSERT_EQ(chmod(stub.c_str(), 0755), 0);
		const char* path = getenv("PATH");
		fSavedPath = path != nullptr ? path : "";
		setenv("PATH", (fDirectory.Path() + ":" + fSavedPath).c_str(), 1);
	}

	void
	TearDown() override
	{
		setenv("PATH", fSavedPath.c_str(), 1);
		Roster::TearDown();
	}

	std::string
	StubLog() const
	{
		std::ifstream file(fStubLog);
		return std::string(std::istreambuf_iterator<char>(file), {});
	}

	std::string fStubLog;
	std::string fSavedPath;
};

TEST_F(RosterOpener, OpensADocumentWithoutAnnouncingIt)
{
	ASSERT_EQ(fRoster.StartWatching(fWatcher, B_REQUEST_QUIT), B_OK);
	std::string document = fDirectory.WriteFile("leggimi", "testo");
	entry_ref ref;
	ASSERT_EQ(get_ref_for_path(document.c_str(), &ref), B_OK);
	team_id opener = -1;
	ASSERT_EQ(fRoster.Launch(&ref, nullptr, &opener), B_OK);
	ASSERT_GT(opener, 0);
	ASSERT_TRUE(Polling::WaitForProcessEnd(opener, MessageLog::kTimeout));
	EXPECT_EQ(StubLog(), document + "\n");

	// A program's end after the opener's is announced, the opener's is not.
	team_id team = LaunchEncoder("exit");
	ExpectNotice(*fNotices, 0, team);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fNotices->Count(), 1u);

	entry_ref missing;
	ASSERT_EQ(get_ref_for_path((fDirectory / "missing").c_str(), &missing), B_OK);
	EXPECT_EQ(fRoster.Launch(&missing, nullptr, &opener), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(opener, -1);
}

TEST_F(RosterOpener, HandsAUrlToTheDesktop)
{
	const char* url = "https://example.org/vorlix";
	team_id opener = -1;
	ASSERT_EQ(fRoster.Launch("text/html", 1, &url, &opener), B_OK);
	ASSERT_TRUE(Polling::WaitForProcessEnd(opener, MessageLog::kTimeout));
	EXPECT_EQ(StubLog(), std::string(url) + "\n");

	EXPECT_EQ(fRoster.Launch("text/html", 0, nullptr, &opener), B_BAD_VALUE);
	const char* two[] = {url, url};
	EXPECT_EQ(fRoster.Launch("text/html", 2, two, &opener), B_BAD_VALUE);
	EXPECT_EQ(fRoster.Launch((const char*)nullptr, 1, &url, &opener), B_BAD_VALUE);
}

TEST_F(RosterOpener, FailsWithoutAnOpener)
{
	TempDirectory empty;
	setenv("PATH", empty.Path().c_str(), 1);
	const char* url = "https://example.org/vorlix";
	team_id opener = 0;
	EXPECT_EQ(fRoster.Launch("text/html", 1, &url, &opener), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(opener, -1);
}
