// The program's start on a real X screen (an Xvfb server of its own): the
// time from starting the executable until its main window is mapped and
// until its picture is final, and the memory it then takes while idle;
// the reference is a bare FLTK window of the same size. The program's
// first start in a fresh user folder installs the list type, which later
// starts find installed, so both are measured.
//
// Usage: bench_start [repetitions]   (default 5)
#include <Version.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "PlainSpawn.h"
#include "ProcessMemory.h"
#include "Report.h"
#include "Samples.h"
#include "ScreenWatch.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/XvfbServer.h"

using namespace std::chrono_literals;

static const char* const kTitle = "Vorlix OggVorbis Frontend " VF_VERSION;
static const char* const kBareTitle = "bare window";

struct Figures {
	Samples mapped;
	Samples drawn;
	Samples rss;
	Samples pss;
};

class StartBench {
public:
	// The watch stays connected throughout: an X server without clients
	// resets, and refuses connections while it does.
	explicit StartBench(const std::string& display)
	    : fDisplay(display), fWatch(display), fWidth(0), fHeight(0)
	{
	}

	bool
	IsReady() const
	{
		return fWatch.IsOpen();
	}

	// Starts the program with its user folders under home and measures it.
	bool
	Program(const std::string& home, Figures* figures)
	{
		return _Measure({VORLIX_PROGRAM_PATH}, kTitle,
		                {"XDG_DATA_HOME=" + home + "/data", "XDG_CONFIG_HOME=" + home + "/config"},
		                figures);
	}

	// The bare window, at the size the program's window had.
	bool
	Bare(Figures* figures)
	{
		return fWidth > 0 && _Measure({BARE_WINDOW_PATH, std::to_string(fWidth),
		                               std::to_string(fHeight), kBareTitle},
		                              kBareTitle, {}, figures);
	}

private:
	bool
	_Measure(const std::vector<std::string>& command, const char* title,
	         const std::vector<std::string>& environment, Figures* figures)
	{
		std::vector<std::string> extra = environment;
		extra.push_back("DISPLAY=" + fDisplay);
		fWatch.Begin();
		ScreenWatch::Clock::time_point start = ScreenWatch::Clock::now();
		pid_t pid = PlainSpawn::Start(command, extra);
		if (pid < 0) {
			fprintf(stderr, "bench_start: cannot start %s\n", command[0].c_str());
			return false;
		}
		ScreenWatch::Result result = fWatch.Watch(title, 300ms, 30s);
		ProcessMemory::Figures memory = ProcessMemory::Read(pid);
		kill(pid, SIGKILL);
		PlainSpawn::Wait(pid);
		if (!result.found || memory.rss < 0) {
			fprintf(stderr, "bench_start: %s %s\n", command[0].c_str(),
			        result.width == 0 ? "showed no window in time"
			                          : "kept changing its window's picture");
			return false;
		}
		if (title == kTitle) {
			fWidth = result.width;
			fHeight = result.height;
		}
		figures->mapped.Add(
		    std::chrono::duration<double, std::milli>(result.mapped - start).count());
		figures->drawn.Add(std::chrono::duration<double, std::milli>(result.drawn - start).count());
		figures->rss.Add(memory.rss / 1024.0);
		figures->pss.Add(memory.pss / 1024.0);
		return true;
	}

	std::string fDisplay;
	ScreenWatch fWatch;
	int fWidth;
	int fHeight;
};

static void
Compare(Report* report, const std::string& name, const Figures& program, const Figures& bare)
{
	report->Compared(name + ": main window mapped", "ms", program.mapped.Median(),
	                 bare.mapped.Median());
	report->Compared(name + ": main window drawn", "ms", program.drawn.Median(),
	                 bare.drawn.Median());
	report->Compared(name + ": idle RSS", "MiB", program.rss.Median(), bare.rss.Median());
	report->Compared(name + ": idle PSS", "MiB", program.pss.Median(), bare.pss.Median());
}

int
main(int argc, char** argv)
{
	int repetitions = argc > 1 ? atoi(argv[1]) : 5;
	if (repetitions < 1) {
		fprintf(stderr, "usage: bench_start [repetitions]\n");
		return 2;
	}
	XvfbServer server;
	if (server.Name().empty()) {
		fprintf(stderr, "bench_start: Xvfb did not start\n");
		return 1;
	}
	TempDirectory folder;
	StartBench bench(server.Name());
	if (!bench.IsReady()) {
		fprintf(stderr, "bench_start: cannot open the display %s\n", server.Name().c_str());
		return 1;
	}
	Figures first;
	Figures later;
	Figures bare;
	for (int repetition = 0; repetition < repetitions; repetition++) {
		std::string home = folder / ("home-" + std::to_string(repetition));
		if (!bench.Program(home, &first) || !bench.Program(home, &later) || !bench.Bare(&bare)) {
			return 1;
		}
	}

	Report report("Start under Xvfb and idle memory, median of " + std::to_string(repetitions) +
	              " (reference: bare FLTK window of the same size)");
	Compare(&report, "first start", first, bare);
	Compare(&report, "later start", later, bare);
	return 0;
}
