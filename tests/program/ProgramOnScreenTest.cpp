// The program on a real X screen, used as a person uses it: with the mouse
// through X input events. The program's own executable runs as a process
// of its own, with the real encoder and with one that hangs; the
// application object also runs in-process, where the test sees its run
// state and where its widgets are.
//
// The program stores its settings on its executable when its window
// closes, so these tests have a test program of their own.
#include <Application.h>
#include <Button.h>
#include <LooperList.h>

#include <Version.h>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <vector>

#include "FltkDisplay.h"
#include "FltkScale.h"
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
#include "tests/support/WindowManager.h"
#include "tests/support/XvfbServer.h"
#include "window/Commands.h"
#include "window/MainWindow.h"

using BPrivate::LooperList;

namespace {

auto* const sScreen = testing::AddGlobalTestEnvironment(new ScreenSession);

const char* const kMain = "Vorlix OggVorbis Frontend " VF_VERSION;
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

// Where the program puts a widget, in its window: the same program on the
// same screen puts it there.
struct Places {
	BPoint encode;
	BPoint quit;
	BPoint skip;
	BPoint stop;
	BPoint add;
};

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

	// Runs the program in-process once, to see where its widgets are.
	void
	MeasurePlaces(Places* places)
	{
		FakeEncoderLog log(folder / "measure.log");
		log.SetMode("hang");
		Start(FAKE_ENCODER_PATH, {WriteList("misura.vfl", {"/a.wav"})});
		std::optional<BRect> encode = Screen().Frame(kMain, "Codifica!");
		std::optional<BRect> quit = Screen().Frame(kMain, "Esci");
		std::optional<BRect> add = Screen().Frame(kMain, "Aggiungi...");
		ASSERT_TRUE(encode && quit && add);
		ASSERT_TRUE(User().ClickLabel(kMain, "Codifica!"));
		ASSERT_NE(User().WaitForDrawn(kProgress), 0u);
		std::optional<BRect> skip = Screen().Frame(kProgress, "Salta file");
		std::optional<BRect> stop = Screen().Frame(kProgress, "Ferma codifica");
		ASSERT_TRUE(skip && stop);
		*places = {ScreenUser::Middle(*encode), ScreenUser::Middle(*quit),
		           ScreenUser::Middle(*skip), ScreenUser::Middle(*stop), ScreenUser::Middle(*add)};
		ASSERT_TRUE(User().ClickLabel(kProgress, "Ferma codifica"));
		ASSERT_TRUE(WaitUntil([&] { return !IsEncoding(); }));
		Quit();
		ASSERT_TRUE(Screen().Settle(MessageLog::kTimeout));
	}

	TempDirectory folder;
	VFApp* app = nullptr;
	MainWindow* window = nullptr;

private:
	ScopedEnvironment fEnvironment;
	std::unique_ptr<ApplicationThread> fApplication;
};

} // namespace

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

TEST_F(ProgramOnScreen, AddEncodeAndSaveWithTheKeyboardAlone)
{
	FakeEncoderLog log(folder / "encoder.log");
	std::string wave = folder.WriteFile("brano.wav", "RIFF");
	std::string list = folder / "lista.vfl";
	Start(FAKE_ENCODER_PATH);

	// The focus starts on "Esci", the first control; the next one that
	// takes it is "Aggiungi...". The panel's name field is two on from its
	// first control, and a path typed there is chosen with Enter.
	for (const char* key : {"Tab", "Return"})
		ASSERT_TRUE(User().Key(kMain, key));
	ASSERT_TRUE(User().Key("Aggiungi file", "Tab"));
	ASSERT_TRUE(User().Key("Aggiungi file", "Tab"));
	ASSERT_TRUE(User().Type(wave));
	ASSERT_TRUE(User().Key("Aggiungi file", "Return"));
	ASSERT_TRUE(WaitUntil([&] {
		bool enabled = false;
		Locked([&] { enabled = window->encodeButton->IsEnabled(); });
		return enabled;
	}));
	ASSERT_TRUE(User().WaitForScreen());

	// Back on "Aggiungi...": "Codifica!" is the control before it.
	for (const char* key : {"shift+Tab", "Return"})
		ASSERT_TRUE(User().Key(kMain, key));
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 1 && !IsEncoding(); }));
	EXPECT_EQ(log.Records()[0].arguments, std::vector<std::string>{wave});

	// F10 opens "Lista", whose second item is "Salva...".
	for (const char* key : {"F10", "Down", "Down", "Return"})
		ASSERT_TRUE(User().Key(kMain, key));
	ASSERT_TRUE(User().Key("Salva lista", "Tab"));
	ASSERT_TRUE(User().Key("Salva lista", "Tab"));
	ASSERT_TRUE(User().Type(list));
	ASSERT_TRUE(User().Key("Salva lista", "Return"));
	std::vector<std::string> saved;
	EXPECT_TRUE(WaitUntil([&] { return ListFile::Read(list.c_str(), &saved); }));
	EXPECT_EQ(saved, std::vector<std::string>{wave});
}

TEST_F(ProgramOnScreen, EveryPanelOpensWhereItWasLeft)
{
	std::string left = folder / "lasciata";
	ASSERT_EQ(mkdir(left.c_str(), 0755), 0);
	folder.WriteFile("lasciata/brano.wav", "RIFF");
	folder.WriteFile("lasciata/oggenc", "#!/bin/sh\n");
	WriteList("lasciata/lista.vfl", {"/elenco.wav"});
	Start(FAKE_ENCODER_PATH);
	auto listed = [&](const std::string& path) {
		std::vector<std::string> paths;
		Locked([&] { paths = window->filesList->Paths(); });
		return std::find(paths.begin(), paths.end(), path) != paths.end();
	};
	const struct {
		const char* title;
		uint32 command;
		const char* name;
		std::function<bool()> chosen;
	} panels[] = {
	    {"Aggiungi file", ADDF, "brano.wav", [&] { return listed(left + "/brano.wav"); }},
	    {"Apri lista", OPLS, "lista.vfl", [&] { return listed("/elenco.wav"); }},
	    {"Salva lista", SVLS, "salvata.vfl",
	     [&] { return access((left + "/salvata.vfl").c_str(), F_OK) == 0; }},
	    {"Posizione di Oggenc", LOCG, "oggenc",
	     [&] {
		     std::string location;
		     Locked([&] { location = app->encoderLocation; });
		     return location == left + "/oggenc";
	     }},
	};
	for (const auto& panel : panels) {
		// Shown as the program shows it, left in another folder...
		ASSERT_EQ(window->PostMessage(panel.command), B_OK) << panel.title;
		ASSERT_NE(User().WaitForDrawn(panel.title), 0u) << panel.title;
		ASSERT_TRUE(User().ClickLabel(panel.title, "Nome:")) << panel.title;
		ASSERT_TRUE(User().Type(left)) << panel.title;
		ASSERT_TRUE(User().Key(panel.title, "Return")) << panel.title;
		ASSERT_TRUE(User().Key(panel.title, "Escape")) << panel.title;
		ASSERT_TRUE(WaitUntil([&] { return !IsShown(panel.title); })) << panel.title;
		// ...and shown again: a bare name is one in that folder.
		ASSERT_EQ(window->PostMessage(panel.command), B_OK) << panel.title;
		ASSERT_NE(User().WaitForDrawn(panel.title), 0u) << panel.title;
		ASSERT_TRUE(User().ClickLabel(panel.title, "Nome:")) << panel.title;
		ASSERT_TRUE(User().Type(panel.name)) << panel.title;
		ASSERT_TRUE(User().Key(panel.title, "Return")) << panel.title;
		ASSERT_TRUE(WaitUntil(panel.chosen)) << panel.title;
		ASSERT_TRUE(WaitUntil([&] { return !IsShown(panel.title); })) << panel.title;
	}
}

// A person at the screen, for the program started as a process of its own,
// whose windows this test process cannot see from inside.
class ProgramProcess {
public:
	ProgramProcess(const std::string& program, const std::string& list)
	    : fProcess({program, list}, {})
	{
	}

	pid_t
	Pid() const
	{
		return fProcess.Pid();
	}

	// The X window of that title once it is shown; empty when none comes.
	// xdotool ends with an X error when a window goes while it looks
	// through them (a hidden FLTK window is destroyed), so a failed search
	// is tried again.
	static std::string
	Window(const std::string& title)
	{
		std::string found;
		WaitUntil([&] {
			found.clear();
			return Command::Run({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"},
			                    &found) == 0 &&
			       !found.empty();
		});
		return found.substr(0, found.find('\n'));
	}

	static bool
	IsShown(const std::string& title)
	{
		return Command::Run({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}) ==
		       0;
	}

	// Activates the window, as a person who clicks it does, and presses
	// the key (an xdotool key name).
	static bool
	Key(const std::string& title, const std::string& key)
	{
		std::string window = Window(title);
		return !window.empty() &&
		       Command::Run({"xdotool", "windowactivate", "--sync", window, "key", key}) == 0;
	}

	static bool
	Click(const std::string& title, BPoint where)
	{
		std::string window = Window(title);
		return !window.empty() && Command::Run({"xdotool", "mousemove", "--window", window,
		                                        std::to_string((int)where.x),
		                                        std::to_string((int)where.y), "click", "1"}) == 0;
	}

	// The exit status, or -1 when it did not end in time.
	int
	WaitForExit()
	{
		int status = -1;
		if (!fProcess.WaitForExit(MessageLog::kTimeout, &status))
			return -1;
		return status;
	}

private:
	ChildProcess fProcess;
};

// The executable, copied with its encoder location set and one encoder at a
// time, as a user's copy whose settings were stored before.
std::string
CopyOfTheProgram(const TempDirectory& folder, const std::string& encoder)
{
	std::string program = folder / "Vorlix OggVorbis Frontend";
	std::filesystem::copy_file(PROGRAM_PATH, program,
	                           std::filesystem::copy_options::overwrite_existing);
	std::string value = encoder + '\0';
	EXPECT_EQ(setxattr(program.c_str(), "user.encoder_location", value.data(), value.size(), 0), 0);
	// A copy written over an earlier one keeps its attributes.
	int32 one = 1;
	EXPECT_EQ(setxattr(program.c_str(), "user.parallel_encoders", &one, sizeof(one), 0), 0);
	return program;
}

TEST_F(ProgramOnScreen, TheProgramItselfEncodesSkipsStopsAndEndsOnSigterm)
{
	if (!folder.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	Places places;
	ASSERT_NO_FATAL_FAILURE(MeasurePlaces(&places));

	// The real encoder, two at a time, on three files with awkward names
	// and one that is not audio; the first lasts long enough for the
	// progress window to be seen. The run ends with the report of the one
	// that failed, which Enter closes.
	std::vector<std::string> waves = {folder / "primo brano.wav", folder / "secondo \"citato\".wav",
	                                  folder / "terzo; città.wav"};
	ASSERT_TRUE(WaveFile::Write(waves[0], 90));
	ASSERT_TRUE(WaveFile::Write(waves[1]));
	ASSERT_TRUE(WaveFile::Write(waves[2]));
	std::vector<std::string> files = waves;
	files.insert(files.begin() + 1, folder.WriteFile("appunti.wav", "non audio\n"));
	std::string program = CopyOfTheProgram(folder, "/usr/bin/oggenc");
	int32 two = 2;
	ASSERT_EQ(setxattr(program.c_str(), "user.parallel_encoders", &two, sizeof(two), 0), 0);
	ASSERT_EQ(Attribute(program, "dont_clear_on_open"), "missing");
	{
		ProgramProcess running(program, WriteList("lista.vfl", files));
		ASSERT_TRUE(ProgramProcess::Click(kMain, places.encode));
		EXPECT_NE(ProgramProcess::Window(kProgress), "");
		for (const std::string& wave : waves) {
			std::string ogg = wave.substr(0, wave.size() - 4) + ".ogg";
			std::string report;
			EXPECT_TRUE(WaitUntil([&] {
				return Command::Run({"ogginfo", ogg}, &report) == 0;
			})) << ogg
			    << "\n"
			    << report;
		}
		std::string report = ProgramProcess::Window("EncodeReport");
		ASSERT_NE(report, "");
		EXPECT_FALSE(ProgramProcess::IsShown(kProgress));
		EXPECT_EQ(Command::Run({"xdotool", "windowfocus", "--sync", report, "key", "Return"}), 0);
		EXPECT_TRUE(WaitUntil([&] { return !ProgramProcess::IsShown("EncodeReport"); }));
		ASSERT_TRUE(ProgramProcess::Click(kMain, places.quit));
		int status = running.WaitForExit();
		EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
	}
	EXPECT_EQ(Attribute(program, "dont_clear_on_open"), std::string(1, '\0'));
	EXPECT_EQ(Attribute(program, "encoder_location"), std::string("/usr/bin/oggenc", 16));

	// An encoder that runs until it is killed: skip, stop, then a new run
	// that the session ends with SIGTERM. The program stores its settings
	// and leaves the encoder to finish its file; the test takes in the
	// orphaned encoder, to see it running and to end it itself.
	program = CopyOfTheProgram(folder, FAKE_ENCODER_PATH);
	FakeEncoderLog log(folder / "encoder.log");
	log.SetMode("hang");
	ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
	ProgramProcess running(program, WriteList("appesa.vfl", {"/a.wav", "/b.wav", "/c.wav"}));
	ASSERT_TRUE(ProgramProcess::Click(kMain, places.encode));
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 1; }));
	ASSERT_TRUE(ProgramProcess::Click(kProgress, places.skip));
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 2; }));
	ASSERT_TRUE(ProgramProcess::Click(kProgress, places.stop));
	EXPECT_TRUE(WaitUntil([&] { return !ProgramProcess::IsShown(kProgress); }));
	for (const FakeEncoderLog::Record& record : log.Records())
		EXPECT_TRUE(WaitUntil([&] { return kill(record.pid, 0) != 0; })) << record.pid;

	ASSERT_TRUE(ProgramProcess::Click(kMain, places.encode));
	ASSERT_TRUE(WaitUntil([&] { return log.Records().size() == 3; }));
	pid_t encoder = log.Records()[2].pid;
	EXPECT_EQ(log.Records()[2].arguments, std::vector<std::string>{"/a.wav"});
	ASSERT_EQ(kill(running.Pid(), SIGTERM), 0);
	int status = running.WaitForExit();
	EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
	EXPECT_EQ(Attribute(program, "encoder_location"), std::string(FAKE_ENCODER_PATH) + '\0');
	EXPECT_EQ(Attribute(program, "dont_clear_on_open"), std::string(1, '\0'));
	EXPECT_EQ(kill(encoder, 0), 0) << "the encoder did not outlive the program";
	EXPECT_EQ(kill(encoder, SIGKILL), 0);
	EXPECT_EQ(waitpid(encoder, &status, 0), encoder);
	prctl(PR_SET_CHILD_SUBREAPER, 0);
	EXPECT_EQ(log.Records().size(), 3u);
}

// An X window id as xprop writes it.
std::string
Hex(const std::string& window)
{
	char hex[32];
	snprintf(hex, sizeof(hex), "0x%lx", strtoul(window.c_str(), nullptr, 10));
	return hex;
}

// The window's corner and size on the screen.
BRect
Geometry(const std::string& window)
{
	std::string shell;
	Command::Run({"xdotool", "getwindowgeometry", "--shell", window}, &shell);
	auto value = [&](const std::string& name) {
		size_t at = shell.find(name + "=");
		return at == std::string::npos ? -1.0f
		                               : strtof(shell.c_str() + at + name.size() + 1, nullptr);
	};
	float x = value("X");
	float y = value("Y");
	return BRect(x, y, x + value("WIDTH"), y + value("HEIGHT"));
}

// What the program's desktop entry calls its windows' class.
std::string
StartupWMClass()
{
	std::string entry = TempDirectory::ReadFile(DESKTOP_ENTRY_PATH);
	size_t key = entry.find("\nStartupWMClass=");
	if (key == std::string::npos)
		return "";
	size_t start = key + strlen("\nStartupWMClass=");
	return entry.substr(start, entry.find('\n', start) - start);
}

TEST_F(ProgramOnScreen, UnderAWindowManagerTheDialogsBelongToTheMainWindow)
{
	if (!folder.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	Places places;
	ASSERT_NO_FATAL_FAILURE(MeasurePlaces(&places));
	WindowManager manager;
	ASSERT_TRUE(manager.IsReady()) << "openbox did not take the screen";
	std::string windowClass = StartupWMClass();
	ASSERT_FALSE(windowClass.empty());

	// Every window: the class the desktop entry names, the icon at three
	// sizes.
	auto expectIdentity = [&](const std::string& window) {
		EXPECT_EQ(WindowManager::Property(window, "WM_CLASS"),
		          "\"" + windowClass + "\", \"" + windowClass + "\"");
		std::string icons = WindowManager::Property(window, "_NET_WM_ICON");
		for (const char* size : {"16 x 16", "32 x 32", "48 x 48"})
			EXPECT_NE(icons.find(std::string("Icon (") + size + ")"), std::string::npos) << size;
	};
	auto expectDialogOf = [&](const std::string& owner, const std::string& dialog) {
		ASSERT_FALSE(dialog.empty());
		expectIdentity(dialog);
		EXPECT_EQ(WindowManager::Property(dialog, "WM_TRANSIENT_FOR"), "window id # " + Hex(owner));
		EXPECT_EQ(WindowManager::Property(dialog, "_NET_WM_WINDOW_TYPE"),
		          "_NET_WM_WINDOW_TYPE_DIALOG");
		EXPECT_NE(WindowManager::Property(dialog, "_NET_WM_STATE").find("_NET_WM_STATE_MODAL"),
		          std::string::npos);
	};

	// An encoder that is not there: "Codifica!" ends in a stop alert,
	// centred on the main window.
	{
		ProgramProcess running(CopyOfTheProgram(folder, folder / "mancante"),
		                       WriteList("lista.vfl", {"/a.wav"}));
		std::string main = ProgramProcess::Window(kMain);
		ASSERT_FALSE(main.empty());
		expectIdentity(main);
		ASSERT_TRUE(ProgramProcess::Click(kMain, places.add));
		expectDialogOf(main, ProgramProcess::Window("Aggiungi file"));
		ASSERT_TRUE(ProgramProcess::Key("Aggiungi file", "Escape"));
		ASSERT_TRUE(WaitUntil([] { return !ProgramProcess::IsShown("Aggiungi file"); }));

		ASSERT_TRUE(ProgramProcess::Click(kMain, places.encode));
		std::string alert = ProgramProcess::Window("EncodeFailed");
		expectDialogOf(main, alert);
		BRect outer = Geometry(main);
		BRect inner = Geometry(alert);
		EXPECT_NEAR(outer.left + outer.Width() / 2, inner.left + inner.Width() / 2, 1);
		EXPECT_NEAR(outer.top + outer.Height() / 2, inner.top + inner.Height() / 2, 1);
		ASSERT_TRUE(ProgramProcess::Key("EncodeFailed", "Return"));
		ASSERT_TRUE(WaitUntil([] { return !ProgramProcess::IsShown("EncodeFailed"); }));
		ASSERT_TRUE(ProgramProcess::Click(kMain, places.quit));
		EXPECT_EQ(running.WaitForExit(), 0);
	}

	// An encoder that runs until it is stopped: the progress window stays
	// above the main window even when the main window is activated.
	FakeEncoderLog log(folder / "encoder.log");
	log.SetMode("hang");
	ProgramProcess running(CopyOfTheProgram(folder, FAKE_ENCODER_PATH),
	                       WriteList("appesa.vfl", {"/a.wav"}));
	std::string main = ProgramProcess::Window(kMain);
	ASSERT_TRUE(ProgramProcess::Click(kMain, places.encode));
	std::string progress = ProgramProcess::Window(kProgress);
	expectDialogOf(main, progress);
	ASSERT_EQ(Command::Run({"xdotool", "windowactivate", main}), 0);
	std::string stacking = WindowManager::Property("root", "_NET_CLIENT_LIST_STACKING");
	size_t mainAt = stacking.find(Hex(main));
	ASSERT_NE(mainAt, std::string::npos) << stacking;
	EXPECT_GT(stacking.find(Hex(progress)), mainAt) << stacking;
	ASSERT_TRUE(ProgramProcess::Click(kProgress, places.stop));
	ASSERT_TRUE(WaitUntil([] { return !ProgramProcess::IsShown(kProgress); }));
	ASSERT_TRUE(ProgramProcess::Click(kMain, places.quit));
	EXPECT_EQ(running.WaitForExit(), 0);
	for (const FakeEncoderLog::Record& record : log.Records())
		EXPECT_TRUE(WaitUntil([&] { return kill(record.pid, 0) != 0; })) << record.pid;
}

TEST(ProgramAtEveryFactor, EveryTextFitsItsPlaceInEveryWindow)
{
	TempDirectory folder;
	for (const char* factor : {"1", "1.5", "2"}) {
		std::string output;
		int status = Command::Run({SCREEN_TOUR_PATH}, &output,
		                          {std::string(FltkScale::kVariable) + "=" + factor,
		                           "XDG_DATA_HOME=" + folder / "data",
		                           "XDG_CONFIG_HOME=" + folder / "config"});
		// The tour ends with 0 when every window came and every text fits.
		EXPECT_EQ(status, 0) << "at " << factor << ":\n" << output;
	}
}

// The first start installs the list type, which waits for the desktop's
// database tool: the window must come first, whatever the tool does.
TEST_F(ProgramOnScreen, TheWindowComesBeforeTheDesktopsDatabaseTool)
{
	if (!folder.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	std::string program = CopyOfTheProgram(folder, FAKE_ENCODER_PATH);
	// A tool first on the PATH that notes whether the main window is on the
	// screen when it starts, then hangs the first time until it is killed.
	std::string seen = folder / "seen";
	std::string started = folder / "tool.pid";
	ASSERT_EQ(mkdir((folder / "bin").c_str(), 0700), 0);
	std::string tool = folder.WriteFile("bin/update-mime-database",
	                                    "#!/bin/sh\n[ -e '" + started +
	                                        "' ] && exit 0\n"
	                                        "xdotool search --onlyvisible --name '^" +
	                                        std::string(kMain) + "$' > '" + seen + "'\n" +
	                                        "echo $$ > '" + started + "'\nexec sleep 1000\n");
	ASSERT_EQ(chmod(tool.c_str(), 0700), 0);
	const char* path = getenv("PATH");
	ChildProcess running({program}, {"PATH=" + folder / "bin" + ":" + (path ? path : "")});

	std::string window = ProgramProcess::Window(kMain);
	EXPECT_NE(window, "") << "no window while the tool runs";
	pid_t toolPid = 0;
	ASSERT_TRUE(WaitUntil([&] { return (bool)(std::ifstream(started) >> toolPid); }));
	EXPECT_EQ(TempDirectory::ReadFile(seen), window + "\n") << "the tool came first";
	EXPECT_EQ(kill(toolPid, SIGKILL), 0);
	ASSERT_EQ(Command::Run({X_CLOSE_PATH, window}), 0);
	int status = -1;
	ASSERT_TRUE(running.WaitForExit(MessageLog::kTimeout, &status));
	EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(ProgramWithoutAScreen, SaysSoInOneLineAndExits)
{
	std::string output;
	EXPECT_EQ(Command::Run({"sh", "-c", "exec \"$0\" 2>&1", PROGRAM_PATH}, &output, {"DISPLAY="}),
	          1);
	EXPECT_EQ(output, "Nessuno schermo: la variabile DISPLAY non è impostata.\n");
}

// The screen goes away under the program, idle or just sent SIGTERM as at
// logout: it stores its settings (here two switches whose stored values
// the test erases once the program has read them) and ends with one line
// and a failure status, never with an abort. Settings that cannot be
// stored are still said: the alert that cannot be shown any more is
// closed, its text written out.
TEST(ProgramLosingItsScreen, StoresTheSettingsAndSaysSoInOneLine)
{
	TempDirectory folder;
	if (!folder.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	const std::string lost = "Connessione allo schermo interrotta: il programma termina.\n";
	struct Case {
		const char* name;
		bool terminated;
		bool storable;
	};
	for (const Case& test : {Case{"idle", false, true}, Case{"just sent SIGTERM", true, true},
	                         Case{"with nowhere to store the settings", false, false}}) {
		SCOPED_TRACE(test.name);
		std::string program = CopyOfTheProgram(folder, FAKE_ENCODER_PATH);
		ASSERT_EQ(setxattr(program.c_str(), "user.dont_close_on_add", "\1", 1, 0), 0);
		ASSERT_EQ(setxattr(program.c_str(), "user.self_register_mime_type", "\0", 1, 0), 0);
		auto screen = std::make_unique<XvfbServer>();
		ASSERT_FALSE(screen->Name().empty()) << "no Xvfb";
		std::vector<std::string> session = {"DISPLAY=" + screen->Name(),
		                                    "XDG_CONFIG_HOME=" + folder / "config",
		                                    "XDG_DATA_HOME=" + folder / "data"};
		std::vector<std::string> command = {"sh", "-c", "exec \"$0\" 2>&1", program};
		std::string said = lost;
		if (!test.storable) {
			if (geteuid() != 0)
				continue;
			// Started by a user who may change neither the executable
			// nor the settings folder, which is root's.
			ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
			command.insert(command.begin(),
			               {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
			session[1] = "XDG_CONFIG_HOME=" + folder.Path();
			said +=
			    "Impossibile salvare le impostazioni in \"" + folder / "vorlix-oggvorbis-frontend" +
			    "/settings\": le modifiche fatte in questa sessione andranno perse. Assicuratevi "
			    "di poter scrivere nella cartella delle impostazioni su un disco che accetti "
			    "gli attributi estesi.\n";
		}
		ChildProcess running(command, session);
		ASSERT_EQ(Command::Run({"xdotool", "search", "--sync", "--onlyvisible", "--name",
		                        std::string("^") + kMain + "$"},
		                       nullptr, session, MessageLog::kTimeout / 1000000),
		          0);
		for (const char* name : {"user.dont_close_on_add", "user.self_register_mime_type"})
			ASSERT_EQ(removexattr(program.c_str(), name), 0);

		if (test.terminated) {
			ASSERT_EQ(kill(running.Pid(), SIGTERM), 0);
		}
		screen.reset();
		int status = -1;
		ASSERT_TRUE(running.WaitForExit(MessageLog::kTimeout, &status)) << running.Output();
		ASSERT_TRUE(WIFEXITED(status)) << status << " " << running.Output();
		// After SIGTERM the program may be gone before the server is.
		if (!test.terminated || !running.Output().empty()) {
			EXPECT_EQ(running.Output(), said);
			EXPECT_EQ(WEXITSTATUS(status), 1);
		} else {
			EXPECT_EQ(WEXITSTATUS(status), 0);
		}
		if (test.storable) {
			EXPECT_EQ(Attribute(program, "dont_close_on_add"), std::string(1, '\1'));
			EXPECT_EQ(Attribute(program, "self_register_mime_type"), std::string(1, '\0'));
		}
	}
}
