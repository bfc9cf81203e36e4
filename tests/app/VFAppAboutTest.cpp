#include <AppDefs.h>
#include <Application.h>

#include <Version.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/BuildStamp.h"
#include "app/VFApp.h"
#include "tests/support/ApplicationThread.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"

using BPrivate::WindowKind;
using BPrivate::WindowState;

namespace {

// The application shows its main window as it starts; the About box comes
// and goes above it.
const std::vector<std::string> kOnlyTheMainWindow = {"Vorlix OggVorbis Frontend " VF_VERSION};
const char* const kWebAddress = "https://www.example.org/vorlix/";
const std::string kAboutText = "Vorlix OggVorbis Frontend " VF_VERSION " (Italiano)\n"
                               "Copyright © 2026 Vorlix\n"
                               "\n"
                               "Per le istruzioni e la licenza vedi il file leggimi.\n"
                               "\n"
                               "E-Mail: : vorlix@example.org\n"
                               "Web: : https://www.example.org/vorlix/\n"
                               "\n"
                               "Compilato il ";

// "Jan 2 2002 18:44:16": English month, day, year, a blank, the time; one
// blank between the parts and no padding of the day.
bool
IsStamp(const std::string& stamp)
{
	static const std::string kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
	char month[4];
	int day, year, hours, minutes, seconds;
	if (sscanf(stamp.c_str(), "%3s %d %d %d:%d:%d", month, &day, &year, &hours, &minutes,
	           &seconds) != 6)
		return false;
	size_t index = kMonths.find(month);
	if (strlen(month) != 3 || index == std::string::npos || index % 3 != 0 || day < 1 || day > 31 ||
	    hours > 23 || minutes > 59 || seconds > 60)
		return false;
	char canonical[64];
	snprintf(canonical, sizeof(canonical), "%s %d %04d %02d:%02d:%02d", month, day, year, hours,
	         minutes, seconds);
	return stamp == canonical;
}

std::vector<std::string>
Lines(const std::string& text)
{
	std::vector<std::string> lines;
	size_t start = 0;
	for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
		lines.push_back(text.substr(start, end - start));
	lines.push_back(text.substr(start));
	return lines;
}

// Whether a running process's command line names the file. (One that has
// ended shows no command line; the stub writes its line before it ends.)
bool
ProcessRuns(const std::string& file)
{
	DIR* processes = opendir("/proc");
	if (processes == nullptr)
		return false;
	bool found = false;
	while (dirent* entry = readdir(processes)) {
		if (atoi(entry->d_name) <= 0)
			continue;
		std::string line =
		    TempDirectory::ReadFile(std::string("/proc/") + entry->d_name + "/cmdline");
		if (line.find(file) != std::string::npos)
			found = true;
	}
	closedir(processes);
	return found;
}

// The application object runs its loop in a thread of its own on the
// headless display, as it runs in the main thread. The desktop's opener is
// a stub that writes one line per start into a pipe the test reads: its
// argument count, then each argument in angle brackets.
class VFAppAbout : public HeadlessFixture {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		std::string pipe = fTemp / "opener.pipe";
		ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
		// The test keeps both ends open: a stub never waits for a reader,
		// and the pipe never reports a hang-up.
		fPipe = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
		ASSERT_GE(fPipe, 0);
		fPipeWriter = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
		ASSERT_GE(fPipeWriter, 0);
		std::string bin = fTemp / "bin";
		ASSERT_EQ(mkdir(bin.c_str(), 0700), 0);
		fOpener = fTemp.WriteFile("bin/xdg-open", "#!/bin/sh\n"
		                                          "record=\"$#\"\n"
		                                          "for argument in \"$@\"; do\n"
		                                          "\trecord=\"$record <$argument>\"\n"
		                                          "done\n"
		                                          "printf '%s\\n' \"$record\" 1<>'" +
		                                              pipe + "'\n");
		ASSERT_EQ(chmod(fOpener.c_str(), 0700), 0);
		const char* path = getenv("PATH");
		fEnvironment.Set("PATH", bin + ":" + (path != nullptr ? path : ""));
		// The application installs the list type as it starts.
		fEnvironment.Set("XDG_DATA_HOME", fTemp / "data");
		fEnvironment.Set("XDG_CONFIG_HOME", fTemp / "config");

		HeadlessFixture::SetUp();
		fApplication = std::make_unique<ApplicationThread>([] { return new VFApp(); });
	}

	void
	TearDown() override
	{
		HeadlessFixture::TearDown();
		fApplication.reset();
		if (fPipe >= 0)
			close(fPipe);
		if (fPipeWriter >= 0)
			close(fPipeWriter);
	}

	// Asks the application for its About box, as the "?" menu does, and
	// returns what the box shows; it stays open for the test to answer.
	WindowState
	ShowAbout()
	{
		user.ExpectAlert("AboutDialog", kAboutText + BuildStamp(), TestUser::kKeepAlertOpen);
		EXPECT_EQ(be_app_messenger.SendMessage(B_ABOUT_REQUESTED), B_OK);
		if (!display.WaitForShown("AboutDialog", MessageLog::kTimeout)) {
			ADD_FAILURE() << "the About box did not come";
			return WindowState();
		}
		return display.FindWindow("AboutDialog").value_or(WindowState());
	}

	// The next line a stub wrote, without its newline; empty when none
	// came in time.
	std::string
	NextOpenerLine()
	{
		bigtime_t deadline = MessageLog::kTimeout / 1000;
		for (;;) {
			size_t end = fReceived.find('\n');
			if (end != std::string::npos) {
				std::string line = fReceived.substr(0, end);
				fReceived.erase(0, end + 1);
				return line;
			}
			pollfd polled = {fPipe, POLLIN, 0};
			if (poll(&polled, 1, (int)deadline) != 1) {
				ADD_FAILURE() << "the opener did not start in time";
				return "";
			}
			_ReadPipe();
		}
	}

	// What the stubs wrote that nobody has read yet.
	std::string
	Unread()
	{
		_ReadPipe();
		return fReceived;
	}

	TempDirectory fTemp;
	ScopedEnvironment fEnvironment;
	std::string fOpener;
	int fPipe = -1;
	int fPipeWriter = -1;
	std::unique_ptr<ApplicationThread> fApplication;

private:
	void
	_ReadPipe()
	{
		char buffer[4096];
		ssize_t length;
		while ((length = read(fPipe, buffer, sizeof(buffer))) > 0)
			fReceived.append(buffer, length);
	}

	std::string fReceived;
};

} // namespace

TEST(BuildStamp, IsTheMomentTheExecutableWasLinked)
{
	{
		ScopedEnvironment zone;
		zone.Set("TZ", "UTC0");
		tzset();
		EXPECT_EQ(BuildStamp(1009993456), "Jan 2 2002 17:44:16");
		EXPECT_EQ(BuildStamp(1769936707), "Feb 1 2026 09:05:07");
		EXPECT_EQ(BuildStamp(4102444799), "Dec 31 2099 23:59:59");
	}
	tzset();
	// The form the box must print, told from near misses.
	EXPECT_TRUE(IsStamp("Jan 2 2002 18:44:16"));
	for (const char* wrong : {"Jan  2 2002 18:44:16", "Jan 02 2002 18:44:16", "jan 2 2002 18:44:16",
	                          "Jan 2 2002  18:44:16", "Jan 2 2002 18:44:16\n", "Jan 2 2002"})
		EXPECT_FALSE(IsStamp(wrong)) << wrong;

	// This test program's own link: it began at most a few seconds before
	// the file was written, however long ago its sources were compiled.
	std::string stamp = BuildStamp();
	EXPECT_TRUE(IsStamp(stamp)) << stamp;
	struct stat program;
	ASSERT_EQ(stat("/proc/self/exe", &program), 0);
	const time_t kLongestLink = 60;
	bool found = false;
	for (time_t moment = program.st_mtime; moment >= program.st_mtime - kLongestLink; moment--)
		found = found || BuildStamp(moment) == stamp;
	EXPECT_TRUE(found) << stamp << " is not within a minute before the link's end, "
	                   << BuildStamp(program.st_mtime);
}

TEST_F(VFAppAbout, ShowsNineLinesAndTwoButtons)
{
	WindowState about = ShowAbout();
	EXPECT_EQ(about.kind, WindowKind::Alert);
	EXPECT_EQ(about.alert.text, kAboutText + BuildStamp());
	EXPECT_EQ(about.alert.buttons, (std::vector<std::string>{"Apri sito", "Chiudi"}));
	EXPECT_EQ(about.alert.type, B_INFO_ALERT);
	EXPECT_EQ(about.alert.buttonWidth, B_WIDTH_AS_USUAL);

	// Nine lines, none after the date, which has the printed form.
	std::vector<std::string> lines = Lines(about.alert.text);
	ASSERT_EQ(lines.size(), 9u) << about.alert.text;
	const std::string prefix = "Compilato il ";
	ASSERT_EQ(lines[8].substr(0, prefix.size()), prefix);
	EXPECT_TRUE(IsStamp(lines[8].substr(prefix.size()))) << lines[8];

	EXPECT_TRUE(user.PressAlertButton("AboutDialog", 1));
}

TEST_F(VFAppAbout, CloseDoesNothingElse)
{
	ShowAbout();
	ASSERT_TRUE(user.PressAlertButton("AboutDialog", 1));
	// An opener would have been started before the application came to
	// rest: it would still run, or would have written its line.
	EXPECT_FALSE(ProcessRuns(fOpener));
	EXPECT_EQ(Unread(), "");
	EXPECT_EQ(user.ShownWindows(), kOnlyTheMainWindow);

	// The application goes on: the box comes again.
	EXPECT_EQ(ShowAbout().alert.text, kAboutText + BuildStamp());
	EXPECT_TRUE(user.PressAlertButton("AboutDialog", 1));
}

TEST_F(VFAppAbout, OpenSiteHandsTheWebAddressAloneToTheDesktop)
{
	ShowAbout();
	ASSERT_TRUE(user.PressAlertButton("AboutDialog", 0));
	EXPECT_EQ(NextOpenerLine(), std::string("1 <") + kWebAddress + ">");
	EXPECT_EQ(user.ShownWindows(), kOnlyTheMainWindow);

	// Once per press.
	ShowAbout();
	ASSERT_TRUE(user.PressAlertButton("AboutDialog", 0));
	EXPECT_EQ(NextOpenerLine(), std::string("1 <") + kWebAddress + ">");
	EXPECT_EQ(Unread(), "");
}

TEST_F(VFAppAbout, AMissingOpenerIsNotReported)
{
	fEnvironment.Set("PATH", fTemp / "nowhere");
	ShowAbout();
	EXPECT_TRUE(user.PressAlertButton("AboutDialog", 0));
	EXPECT_EQ(user.ShownWindows(), kOnlyTheMainWindow);
	EXPECT_EQ(Unread(), "");
}
