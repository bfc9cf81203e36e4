// The program on a real X screen, used as a person uses it: with the mouse
// through X input events. In this test program the application object runs
// in-process, so the test can see its run state; the program's own
// executable is started as a process of its own for what only a process
// shows (a signal from the session).
//
// The program stores its settings on its executable when its window
// closes, so these tests have a test program of their own.
#include <Application.h>
#include <LooperList.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <vector>

#include "FltkDisplay.h"
#include "app/VFApp.h"
#include "list/FilesList.h"
#include "list/ListFile.h"
#include "tests/support/ApplicationThread.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Command.h"
#include "tests/support/FakeEncoderLog.h"
#include "tests/support/Polling.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScreenFixture.h"
#include "tests/support/ScreenSession.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/WaveFile.h"
#include "window/MainWindow.h"

namespace {

auto* const sScreen = testing::AddGlobalTestEnvironment(new ScreenSession);

const char* const kMain = "Vorlix OggVorbis Frontend 1.2a";
const char* const kProgress = "Stato della codifica";
const bigtime_t kRunTimeout = 6 * MessageLog::kTimeout;

// The bytes of a file's attribute; "missing" when it has none.
std::string
Attribute(const std::string& path, const std::string& name)
{
	char value[2048];
	ssize_t length = getxattr(path.c_str(), ("user." + name).c_str(), value, sizeof(value));
	return length < 0 ? "missing" : std::string(value, length);
}

bool
WaitUntil(const std::function<bool()>& done)
{
	return Polling::WaitUntil(done, kRunTimeout);
}

class ProgramOnScreen : public ScreenFixture {
protected:
	void
	SetUp() override
	{
		ScreenFixture::SetUp();
		fEnvironment.Set("XDG_DATA_HOME", folder / "data");
		fEnvironment.Set("XDG_CONFIG_HOME", folder / "config");
	}

	void
	TearDown() override
	{
		fApplication.reset();
		ScreenFixture::TearDown();
	}

	void
	Start(const char* encoder, const std::vector<std::string>& launchFiles = {})
	{
		fApplication = std::make_unique<ApplicationThread>([] { return new VFApp(); }, launchFiles);
		app = static_cast<VFApp*>(fApplication->Application());
		window = app->mainWindow;
		ASSERT_NE(User().WaitForDrawn(kMain), 0u);
		Locked([&] { strcpy(app->encoderLocation, encoder); });
	}

	void
	Locked(const std::function<void()>& action)
	{
		LooperList::WaitForIdle(MessageLog::kTimeout);
		ASSERT_TRUE(window->Lock());
		action();
		window->Unlock();
	}

	bool
	IsEncoding()
	{
		bool encoding = false;
		Locked([&] { encoding = window->isEncoding; });
		return encoding;
	}

	bool
	IsShown(const char* title)
	{
		std::optional<FltkDisplay::WindowReport> report = Screen().Report(title);
		return report && report->shown;
	}

	std::string
	WriteList(const std::string& name, const std::vector<std::string>& files)
	{
		std::string list = folder / name;
		EXPECT_EQ(ListFile::Write(list.c_str(), files), ListFile::kSaved);
		return list;
	}

	// Asks the program to quit and waits until it has.
	void
	Quit()
	{
		fApplication.reset();
	}

	TempDirectory folder;
	VFApp* app = nullptr;
	MainWindow* window = nullptr;

private:
	ScopedEnvironment fEnvironment;
	std::unique_ptr<ApplicationThread> fApplication;
};

} // namespace

TEST_F(ProgramOnScreen, AListOfAwkwardNamesBecomesOggVorbisFilesAndEsciStoresTheSettings)
{
	std::vector<std::string> waves = {folder / "primo.wav", folder / "secondo brano.wav",
	                                  folder / "terzo \"citato\"; città.wav"};
	for (const std::string& wave : waves)
		ASSERT_TRUE(WaveFile::Write(wave));
	Start("/usr/bin/oggenc", {WriteList("lista.vfl", waves)});
	Locked([&] { app->dontCloseOnAdd = true; });

	ASSERT_TRUE(User().ClickLabel(kMain, "Codifica!"));
	ASSERT_TRUE(WaitUntil([&] { return !IsEncoding(); }));
	EXPECT_FALSE(IsShown(kProgress));
	for (const std::string& wave : waves) {
		std::string ogg = wave.substr(0, wave.size() - 4) + ".ogg";
		std::string report;
		EXPECT_EQ(Command::Run({"ogginfo", ogg}, &report), 0) << ogg << "\n" << report;
	}

	ASSERT_TRUE(User().ClickLabel(kMain, "Esci"));
	ASSERT_TRUE(WaitUntil([&] { return LooperList::PortFor(window) == nullptr; }));
	EXPECT_EQ(Attribute("/proc/self/exe", "dont_close_on_add"), std::string(1, '\1'));
	EXPECT_EQ(Attribute("/proc/self/exe", "encoder_location"), std::string("/usr/bin/oggenc", 16));
}

TEST_F(ProgramOnScreen, SaltaFileAndFermaCodificaEndHangingEncoders)
{
	FakeEncoderLog log(folder / "encoder.log");
	log.SetMode("hang");
	Start(FAKE_ENCODER_PATH, {WriteList("lista.vfl", {"/a.wav", "/b.wav", "/c.wav"})});

	ASSERT_TRUE(User().ClickLabel(kMain, "Codifica!"));
	ASSERT_NE(User().WaitForDrawn(kProgress), 0u);
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 1; }));
	pid_t first = log.Records()[0].pid;

	ASSERT_TRUE(User().ClickLabel(kProgress, "Salta file"));
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 2; }));
	EXPECT_TRUE(WaitUntil([&] { return kill(first, 0) != 0; })) << "the skipped encoder runs on";
	EXPECT_TRUE(IsEncoding());

	pid_t second = log.Records()[1].pid;
	ASSERT_TRUE(User().ClickLabel(kProgress, "Ferma codifica"));
	ASSERT_TRUE(WaitUntil([&] { return !IsEncoding(); }));
	EXPECT_TRUE(WaitUntil([&] { return kill(second, 0) != 0; })) << "the stopped encoder runs on";
	EXPECT_TRUE(WaitUntil([&] { return !IsShown(kProgress); }));
	EXPECT_EQ(log.Records().size(), 2u) << "nothing started after the stop";
}

// The session ends the program with SIGTERM in the middle of a run: it
// stores its settings and leaves the encoder to finish its file. The test
// takes in the orphaned encoder, to see it running and to end it itself.
TEST_F(ProgramOnScreen, TheProgramEndsOnSigtermMidRunStoringItsSettingsAndLeavingTheEncoder)
{
	if (!folder.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	// Where "Codifica!" is: the same program on the same screen puts it there.
	Start(FAKE_ENCODER_PATH);
	std::optional<BRect> button = Screen().Frame(kMain, "Codifica!");
	ASSERT_TRUE(button.has_value());
	Quit();
	ASSERT_TRUE(Screen().Settle(MessageLog::kTimeout));

	std::string program = folder / "Vorlix OggVorbis Frontend";
	std::filesystem::copy_file(PROGRAM_PATH, program);
	std::string encoder = std::string(FAKE_ENCODER_PATH) + '\0';
	ASSERT_EQ(setxattr(program.c_str(), "user.encoder_location", encoder.data(), encoder.size(), 0),
	          0);
	ASSERT_EQ(Attribute(program, "dont_clear_on_open"), "missing");
	FakeEncoderLog log(folder / "encoder.log");
	log.SetMode("hang");
	ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);

	ChildProcess running({program, WriteList("lista.vfl", {"/a.wav", "/b.wav"})}, {});
	ASSERT_TRUE(running.IsRunning());
	std::string found;
	ASSERT_EQ(Command::Run({"xdotool", "search", "--sync", "--onlyvisible", "--name",
	                        "^Vorlix OggVorbis Frontend 1\\.2a$"},
	                       &found, {}, MessageLog::kTimeout / 1000000),
	          0);
	std::string id = found.substr(0, found.find('\n'));
	BPoint middle = ScreenUser::Middle(*button);
	ASSERT_EQ(Command::Run({"xdotool", "mousemove", "--window", id, std::to_string((int)middle.x),
	                        std::to_string((int)middle.y), "click", "1"}),
	          0);
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 1; }));
	pid_t encoderPid = log.Records()[0].pid;

	ASSERT_EQ(kill(running.Pid(), SIGTERM), 0);
	int status = -1;
	ASSERT_TRUE(running.WaitForExit(MessageLog::kTimeout, &status)) << running.Output();
	EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

	EXPECT_EQ(Attribute(program, "dont_clear_on_open"), std::string(1, '\0'));
	EXPECT_EQ(Attribute(program, "encoder_location"), encoder);
	// The encoder runs on, now the test's own child, and ends when told.
	EXPECT_EQ(kill(encoderPid, 0), 0) << "the encoder did not outlive the program";
	EXPECT_EQ(kill(encoderPid, SIGKILL), 0);
	EXPECT_EQ(waitpid(encoderPid, &status, 0), encoderPid);
	prctl(PR_SET_CHILD_SUBREAPER, 0);
	EXPECT_EQ(log.Records().size(), 1u);
}
