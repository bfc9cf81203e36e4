// screen_tour: runs the program's application object on the real screen
// (DISPLAY), at the factor the desktop or VORLIX_SCALE asks for, and shows
// each tab of its main window, the progress window with one encoder and
// with two, the "Aggiungi file" panel on a folder of sample files, a stop
// alert and the report of a run in which files failed. It runs in a home
// folder of its own (HOME and XDG_CONFIG_HOME), with the places and the
// sample files the panel shows, and removes it once the panel is seen. Of
// each window it checks that every text fits its place, printing the ones that do
// not ("overflow: ..."); given a folder, it saves a screenshot of each there
// too (for scripts/screenshots), with the suffix given at the end of the
// files' names. It prints how long the main window took to come on the
// screen, and ends with status 0 when every window was drawn and every text
// fits.
#include <Alert.h>
#include <Autolock.h>
#include <FilePanel.h>
#include <LooperList.h>
#include <StatusBar.h>
#include <StringView.h>

#include <Version.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "FltkDisplay.h"
#include "app/VFApp.h"
#include "encode/EncodeReport.h"
#include "encode/ProgressWindow.h"
#include "list/FilesView.h"
#include "tests/support/ApplicationThread.h"
#include "tests/support/Command.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

using BPrivate::Display;
using BPrivate::LooperList;

namespace {

const bigtime_t kTimeout = 10000000;
const char* const kMainTitle = "Vorlix OggVorbis Frontend " VF_VERSION;

std::optional<FltkDisplay::WindowReport>
WaitForDrawn(FltkDisplay& display, const char* title)
{
	auto report = display.WaitFor(
	    title,
	    [](const FltkDisplay::WindowReport& window) { return window.xid != 0 && window.draws > 0; },
	    kTimeout);
	if (!report || !LooperList::WaitForIdle(kTimeout) || !display.Settle(kTimeout)) {
		fprintf(stderr, "screen_tour: %s was not drawn\n", title);
		return std::nullopt;
	}
	return report;
}

// Where the screenshots go and how their names end; no folder, no
// screenshots.
struct Shots {
	std::string folder;
	std::string suffix;
};

// Checks the window's texts, and takes its screenshot under that name.
bool
Visit(FltkDisplay& display, const char* title, const Shots& shots, const std::string& name)
{
	auto report = WaitForDrawn(display, title);
	if (!report)
		return false;
	std::optional<std::vector<std::string>> overflows = display.Overflows(title);
	if (!overflows) {
		fprintf(stderr, "screen_tour: %s has gone\n", title);
		return false;
	}
	for (const std::string& overflow : *overflows)
		printf("overflow: %s: %s\n", name.c_str(), overflow.c_str());
	if (shots.folder.empty())
		return overflows->empty();
	std::string file = shots.folder + "/" + name + shots.suffix + ".png";
	if (Command::Run({"import", "-window", std::to_string(report->xid), file}) != 0) {
		fprintf(stderr, "screen_tour: no screenshot of %s\n", title);
		return false;
	}
	printf("%s\n", file.c_str());
	return overflows->empty();
}

// Writes the file (empty when size is 0) and gives it a fixed date, so
// that the pictures stay the same from one run to the next.
void
Sample(const std::filesystem::path& path, std::uintmax_t size, bool folder = false)
{
	if (folder) {
		std::filesystem::create_directories(path);
	} else {
		std::ofstream{path};
		std::filesystem::resize_file(path, size);
	}
	// 8 December 2026, 17:40 UTC.
	const timespec changed[2] = {{1796751600, 0}, {1796751600, 0}};
	utimensat(AT_FDCWD, path.c_str(), changed, 0);
}

// A home folder of a new temporary folder with a music folder of a few
// sample files and a folder, a desktop folder and a bookmark, made the
// user's home and configuration folder before anything reads them.
std::filesystem::path
SampleHome()
{
	std::string pattern = (std::filesystem::temp_directory_path() / "screen_tour.XXXXXX").string();
	std::filesystem::path home = mkdtemp(pattern.data());
	std::filesystem::path music = home / "Musica";
	std::filesystem::create_directories(home / ".config/gtk-3.0");
	std::ofstream(home / ".config/user-dirs.dirs")
	    << "XDG_DESKTOP_DIR=\"$HOME/Scrivania\"\nXDG_MUSIC_DIR=\"$HOME/Musica\"\n";
	std::ofstream(home / ".config/gtk-3.0/bookmarks")
	    << "file://" << (home / "Podcast").string() << " Podcast\n";
	Sample(home / "Scrivania", 0, true);
	Sample(home / "Podcast", 0, true);
	Sample(music / "Concerti", 0, true);
	Sample(music / "01 - Primo brano.wav", 42336044);
	Sample(music / "02 - Secondo brano.wav", 31752044);
	Sample(music / "03 - Terzo brano.wav", 52920044);
	Sample(music / "copertina.png", 183412);
	Sample(music / ".directory", 52);
	Sample(music, 0, true);
	setenv("HOME", home.c_str(), 1);
	setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
	return home;
}

} // namespace

int
main(int argc, char** argv)
{
	if (argc > 3) {
		fprintf(stderr, "usage: screen_tour [FOLDER [SUFFIX]]\n");
		return 2;
	}
	Shots shots{argc > 1 ? argv[1] : "", argc > 2 ? argv[2] : ""};
	// Before any thread starts, since it changes the environment.
	std::filesystem::path home = SampleHome();
	std::string error;
	std::unique_ptr<FltkDisplay> display = FltkDisplay::Open(&error);
	if (display == nullptr) {
		fprintf(stderr, "%s\n", error.c_str());
		std::filesystem::remove_all(home);
		return 1;
	}
	Display::SetCurrent(display.get());

	ApplicationThread application([] { return new VFApp(); });
	auto drawn = WaitForDrawn(*display, kMainTitle);
	if (!drawn) {
		std::filesystem::remove_all(home);
		return 1;
	}
	printf("main window drawn %lld ms after the screen opened\n",
	       (long long)drawn->firstDrawn / 1000);
	MainWindow* main = static_cast<VFApp*>(application.Application())->mainWindow;
	bool done = true;
	for (int32 tab = 0; tab < 3; tab++) {
		{
			BAutolock lock(main);
			main->tabView->Select(tab);
		}
		done = Visit(*display, kMainTitle, shots, "main-tab-" + std::to_string(tab + 1)) && done;
	}

	ProgressWindow* progress = main->progressWindow;
	{
		BAutolock lock(progress);
		progress->fileNameView->SetText("/home/utente/Musica/02 - Secondo brano.wav");
		progress->fileNumberView->SetText("File 2 di 3");
		progress->FileBar(0)->SetTo(47, nullptr, "47%");
		progress->runBar->SetTo(38, "Tempo rimanente: 1m 20s", "38%");
	}
	progress->Show();
	progress->MoveTo(main->Frame().left + 50, main->Frame().top + 50);
	done = Visit(*display, "Stato della codifica", shots, "progress") && done;
	{
		BAutolock lock(progress);
		progress->SetEncoders(2);
		progress->fileNumberView->SetText("File 4 di 12");
		progress->FileBar(0)->SetTo(81, "/home/utente/Musica/03 - Terzo brano.wav", "81%");
		progress->FileBar(1)->SetTo(12, "/home/utente/Musica/04 - Quarto brano.wav", "12%");
		progress->runBar->SetTo(22, "Tempo rimanente: 2m 5s", "22%");
	}
	done = Visit(*display, "Stato della codifica", shots, "progress-2") && done;
	progress->Hide();

	BFilePanel* add = main->tabView->filesView->addPanel;
	add->SetPanelDirectory((home / "Musica").c_str());
	add->Show();
	done = Visit(*display, "Aggiungi file", shots, "add-panel") && done;
	add->Hide();
	std::filesystem::remove_all(home);

	std::string report = EncodeReport::Text(
	    {{"/home/utente/Musica/note.txt",
	      "ERROR: Input file \"/home/utente/Musica/note.txt\" is not a supported format"},
	     {"/home/utente/Musica/rotto.wav", "ERROR: Cannot open input file \"/home/utente/Musica/"
	                                       "rotto.wav\": Permission denied"}},
	    12);
	std::thread reported([report] {
		(new BAlert("EncodeReport", report.c_str(), "OK", nullptr, nullptr, B_WIDTH_AS_USUAL,
		            B_STOP_ALERT))
		    ->Go();
	});
	done = Visit(*display, "EncodeReport", shots, "report") && done;
	reported.detach();

	// Built by the thread that shows it, as a window must be.
	std::thread answer([] {
		(new BAlert("EncodeFailed", "Impossibile trovare il codificatore in /usr/bin/oggenc.", "OK",
		            nullptr, nullptr, B_WIDTH_AS_USUAL, B_STOP_ALERT))
		    ->Go();
	});
	done = Visit(*display, "EncodeFailed", shots, "alert") && done;
	// The alert waits for a button nobody presses: the tour ends here,
	// with the process.
	answer.detach();
	fflush(stdout);
	_exit(done ? 0 : 1);
}
