#include "encode/VorlixLaunch.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <AppDefs.h>
#include <Message.h>
#include <Roster.h>

#include "tests/support/FakeEncoderLog.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/TempDirectory.h"
#include <LooperList.h>

namespace {

using Arguments = std::vector<std::string>;

// Launches the fake encoder through be_roster, which records its arguments,
// and waits for each launched encoder to end.
class VorlixLaunchTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		fLog = std::make_unique<FakeEncoderLog>(fDirectory / "encoder.log");
		fEncoder = FakeEncoderLog::Ref();
		fNotices = std::make_shared<MessageLog>();
		fWatcher = new RecordingLooper(fNotices);
		fWatcher->Run();
		ASSERT_EQ(be_roster->StartWatching(BMessenger(fWatcher), B_REQUEST_QUIT), B_OK);
	}

	void
	TearDown() override
	{
		be_roster->StopWatching(BMessenger(fWatcher));
		if (fWatcher->Lock())
			fWatcher->Quit();
	}

	// The arguments the encoder got from the launch that returned team,
	// once it has ended.
	Arguments
	ArgumentsOf(team_id team)
	{
		EXPECT_TRUE(fNotices->WaitForCount(++fLaunched)) << "no end of team " << team;
		for (const FakeEncoderLog::Record& record : fLog->Records()) {
			if (record.pid == team)
				return record.arguments;
		}
		ADD_FAILURE() << "no record of team " << team;
		return {};
	}

	void
	ExpectLaunch(const std::string& text, const Arguments& expected)
	{
		team_id team = -1;
		ASSERT_EQ(VorlixLaunch(&fEncoder, text.c_str(), &team), B_OK) << "[" << text << "]";
		Arguments actual = ArgumentsOf(team);
		EXPECT_EQ(actual, expected)
		    << "text [" << text << "]\n  expected " << FakeEncoderLog::Describe(expected)
		    << "\n  actual   " << FakeEncoderLog::Describe(actual);
	}

	// Nothing was launched since the last launch that was waited for: one
	// launch more arrives as the next record.
	void
	ExpectNothingLaunched()
	{
		size_t records = fLog->Records().size();
		ExpectLaunch("after", {"after"});
		EXPECT_EQ(fLog->Records().size(), records + 1);
	}

	TempDirectory fDirectory;
	std::unique_ptr<FakeEncoderLog> fLog;
	entry_ref fEncoder;
	std::shared_ptr<MessageLog> fNotices;
	BLooper* fWatcher = nullptr;
	size_t fLaunched = 0;
};

} // namespace

TEST_F(VorlixLaunchTest, SplitsAtEverySpaceOutsideQuotes)
{
	struct Case {
		std::string text;
		Arguments expected;
	};
	const Case cases[] = {
	    {"", {}},
	    {"one", {"one"}},
	    {"-b 128", {"-b", "128"}},
	    {"a  b", {"a", "", "b"}},
	    {" a", {"", "a"}},
	    {"a ", {"a", ""}},
	    {" ", {"", ""}},
	    {"-q 5 \"/home/io/la mia musica/brano 1.wav\"",
	     {"-q", "5", "/home/io/la mia musica/brano 1.wav"}},
	    {"ab\"c d\"ef", {"abc def"}},
	    {"\"\"", {""}},
	    {"\"\" \"\"", {"", ""}},
	    {"\" \"", {" "}},
	    {"a \"b c  d", {"a", "b c  d"}},
	    {"x\"\"y", {"xy"}},
	    {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
	    {"a\\\"b c\"", {"a\\b c"}},
	    {"tab\there\nnewline", {"tab\there\nnewline"}},
	};
	for (const Case& test : cases)
		ExpectLaunch(test.text, test.expected);
}

TEST_F(VorlixLaunchTest, TakesTextsUpToItsLimits)
{
	ExpectLaunch(std::string(4095, 'x'), {std::string(4095, 'x')});
	// Quotes take no room in the output.
	ExpectLaunch("\"" + std::string(4095, 'y') + "\"", {std::string(4095, 'y')});
	ExpectLaunch(std::string(255, ' '), Arguments(256, ""));
	ExpectLaunch("\"" + std::string(300, ' ') + "\"", {std::string(300, ' ')});
}

TEST_F(VorlixLaunchTest, RefusesTextsBeyondItsLimitsAndLaunchesNothing)
{
	team_id team = 77;
	EXPECT_EQ(VorlixLaunch(&fEncoder, std::string(4096, 'x').c_str(), &team), B_BAD_VALUE);
	EXPECT_EQ(VorlixLaunch(&fEncoder, std::string(256, ' ').c_str(), &team), B_BAD_VALUE);
	EXPECT_EQ(VorlixLaunch(&fEncoder,
	                       (std::string(2000, 'a') + " " + std::string(2095, 'b')).c_str(), &team),
	          B_BAD_VALUE);
	EXPECT_EQ(VorlixLaunch(&fEncoder, nullptr, &team), B_BAD_VALUE);
	EXPECT_EQ(team, 77) << "nothing launched, nothing written";
	ExpectNothingLaunched();
}

TEST_F(VorlixLaunchTest, ReturnsTheRostersStatusAndTeam)
{
	team_id team = -1;
	ASSERT_EQ(VorlixLaunch(&fEncoder, "x", &team), B_OK);
	EXPECT_EQ(ArgumentsOf(team), Arguments{"x"}) << "the team is the encoder's";

	entry_ref missing;
	ASSERT_EQ(get_ref_for_path((fDirectory / "missing").c_str(), &missing), B_OK);
	EXPECT_EQ(VorlixLaunch(&missing, "x", &team), B_ENTRY_NOT_FOUND);
	entry_ref folder;
	ASSERT_EQ(get_ref_for_path(fDirectory.Path().c_str(), &folder), B_OK);
	EXPECT_EQ(VorlixLaunch(&folder, "", &team), B_PERMISSION_DENIED);
	std::string script = fDirectory.WriteFile("not executable", "#!/bin/sh\n");
	ASSERT_EQ(chmod(script.c_str(), 0644), 0);
	entry_ref notExecutable;
	ASSERT_EQ(get_ref_for_path(script.c_str(), &notExecutable), B_OK);
	EXPECT_EQ(VorlixLaunch(&notExecutable, "x", &team), B_PERMISSION_DENIED);
	ExpectNothingLaunched();
}

TEST_F(VorlixLaunchTest, WithPathKeepsThePathWhole)
{
	struct Case {
		std::string before;
		std::string path;
		std::string after;
		Arguments expected;
	};
	const std::string quoted = "/musica/il \"mio\" brano.wav";
	const std::string longPath = "/" + std::string(5000, 'p') + ".wav";
	const Case cases[] = {
	    {"", "/musica/brano.wav", "", {"/musica/brano.wav"}},
	    {"-b 128", quoted, "", {"-b", "128", quoted}},
	    {"-q 5 ", "/a b.wav", "", {"-q", "5", "", "/a b.wav"}},
	    {"-c \"unclosed", quoted, "", {"-c", "unclosed", quoted}},
	    {"", longPath, "", {longPath}},
	    {"-b 160", "", "--after \"x y\"", {"-b", "160", "", "--after", "x y"}},
	};
	for (const Case& test : cases) {
		team_id team = -1;
		ASSERT_EQ(VorlixLaunchWithPath(&fEncoder, test.before.c_str(), test.path.c_str(),
		                               test.after.c_str(), &team),
		          B_OK);
		Arguments actual = ArgumentsOf(team);
		EXPECT_EQ(actual, test.expected)
		    << "before [" << test.before << "] after [" << test.after << "]\n  expected "
		    << FakeEncoderLog::Describe(test.expected) << "\n  actual   "
		    << FakeEncoderLog::Describe(actual);
	}
}

TEST_F(VorlixLaunchTest, WithPathRefusesOptionsBeyondTheLimits)
{
	team_id team = 77;
	std::string tooLong(4096, 'o');
	std::string tooMany(256, ' ');
	EXPECT_EQ(VorlixLaunchWithPath(&fEncoder, tooLong.c_str(), "/a.wav", "", &team), B_BAD_VALUE);
	EXPECT_EQ(VorlixLaunchWithPath(&fEncoder, "", "/a.wav", tooMany.c_str(), &team), B_BAD_VALUE);
	EXPECT_EQ(VorlixLaunchWithPath(&fEncoder, "", nullptr, "", &team), B_BAD_VALUE);
	EXPECT_EQ(team, 77);
	ExpectNothingLaunched();

	// Each part has its own room.
	std::string most(255, ' ');
	ASSERT_EQ(VorlixLaunchWithPath(&fEncoder, most.c_str(), "/a.wav", most.c_str(), &team), B_OK);
	Arguments expected(256, "");
	expected.push_back("/a.wav");
	expected.insert(expected.end(), 256, "");
	EXPECT_EQ(ArgumentsOf(team), expected);
}
