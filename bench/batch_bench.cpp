// The time the program takes to encode a batch of WAV files with the real
// oggenc, one encoder at a time and two at once, against a shell loop that
// runs the same oggenc on the same files and against SoundConverter's batch
// mode (the same quality, its default number of jobs). Every round runs
// each contender once, in an order that turns from round to round, so that
// a change in the machine's load reaches all alike; each figure is the
// median. The encoders' output goes to /dev/null for the loop and
// SoundConverter; the program reads its encoders' standard error itself.
//
// Beside the time: the CPU the program takes (its own process, every
// thread, display included) against the CPU of the encoders it runs, and
// how many updates the display got during a run.
//
// Usage: bench_batch [files] [seconds] [rounds]   (default 20, 10, 5)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "HeadlessDisplay.h"
#include "PlainSpawn.h"
#include "ProgramSession.h"
#include "Report.h"
#include "Samples.h"
#include "app/VFApp.h"
#include <TextControl.h>

#include "encode/EncoderView.h"
#include "list/FilesList.h"
#include "tests/support/WaveFile.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

static const char* const kEncoder = "/usr/bin/oggenc";
static const char* const kSoundConverter = "/usr/bin/soundconverter";
static const int64_t kRunBound = 1200 * 1000000LL;

using Clock = std::chrono::steady_clock;

// Points standard output and error at /dev/null for its life, so that the
// encoders, which inherit them, write nowhere.
class QuietOutput {
public:
	QuietOutput() : fOutput(dup(STDOUT_FILENO)), fError(dup(STDERR_FILENO))
	{
		fflush(stdout);
		int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
		dup2(null, STDOUT_FILENO);
		dup2(null, STDERR_FILENO);
		close(null);
	}
	~QuietOutput()
	{
		dup2(fOutput, STDOUT_FILENO);
		dup2(fError, STDERR_FILENO);
		close(fOutput);
		close(fError);
	}
	QuietOutput(const QuietOutput&) = delete;
	QuietOutput& operator=(const QuietOutput&) = delete;

private:
	int fOutput;
	int fError;
};

// CPU seconds of this process (every thread) and of its reaped children.
struct Cpu {
	double self;
	double children;

	static Cpu
	Now()
	{
		auto seconds = [](int who) {
			rusage usage;
			getrusage(who, &usage);
			return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
			       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
		};
		return {seconds(RUSAGE_SELF), seconds(RUSAGE_CHILDREN)};
	}
};

// One way of encoding the batch, and what its runs took.
struct Contender {
	std::string name;
	// Encodes every file; false when it did not.
	std::function<bool()> run;
	Samples time;
	Samples selfCpu;
	Samples childrenCpu;
	Samples updates;
};

static std::string
Stem(const std::string& wave)
{
	return wave.substr(0, wave.size() - 4);
}

static bool
AllEncoded(const std::vector<std::string>& oggs)
{
	for (const std::string& ogg : oggs) {
		struct stat info;
		if (stat(ogg.c_str(), &info) != 0 || info.st_size == 0)
			return false;
	}
	return true;
}

static void
RemoveAll(const std::vector<std::string>& files)
{
	for (const std::string& file : files)
		unlink(file.c_str());
}

class BatchBench {
public:
	BatchBench(ProgramSession* session, std::vector<std::string> waves)
	    : fSession(session), fWaves(std::move(waves))
	{
		for (const std::string& wave : fWaves) {
			fBeside.push_back(Stem(wave) + ".ogg");
			fConverted.push_back(
			    session->Folder() /
			    ("converted/" + std::filesystem::path(Stem(wave)).filename().string() + ".ogg"));
		}
		std::filesystem::create_directories(session->Folder() / "converted");
	}

	// quiet: oggenc -Q, which writes no progress: what the program takes
	// then is what it takes without reading progress.
	bool
	Program(int32 encoders, bool quiet = false)
	{
		fSession->Locked([&] {
			fSession->App()->parallelEncoders = encoders;
			fSession->Window()->tabView->encoderView->extraParam->SetText(quiet ? "-Q" : "");
		});
		RemoveAll(fBeside);
		fSession->User().WaitIdle();
		return fSession->User().Click(ProgramSession::kMain, "EncodeButton") &&
		       fSession->WaitForRunEnd(kRunBound) && AllEncoded(fBeside);
	}

	bool
	ShellLoop()
	{
		RemoveAll(fBeside);
		std::vector<std::string> command = {
		    "/bin/sh", "-c", std::string("for f in \"$@\"; do ") + kEncoder + " \"$f\"; done",
		    "sh"};
		command.insert(command.end(), fWaves.begin(), fWaves.end());
		int status;
		{
			QuietOutput quiet;
			status = PlainSpawn::Run(command);
		}
		return status == 0 && AllEncoded(fBeside);
	}

	// Vorbis quality 0.3 is oggenc's default, -q 3.
	bool
	SoundConverter()
	{
		RemoveAll(fConverted);
		std::vector<std::string> command = {kSoundConverter,
		                                    "-b",
		                                    "-f",
		                                    "ogg",
		                                    "-q",
		                                    "0.3",
		                                    "-o",
		                                    fSession->Folder() / "converted"};
		command.insert(command.end(), fWaves.begin(), fWaves.end());
		pid_t pid;
		{
			QuietOutput quiet;
			pid = PlainSpawn::Start(command);
		}
		return pid > 0 && PlainSpawn::Wait(pid) == 0 && AllEncoded(fConverted);
	}

	// Runs it once and keeps its figures.
	bool
	Measure(Contender* contender)
	{
		Cpu before = Cpu::Now();
		int32 updatesBefore = fSession->Headless().UpdateCount();
		Clock::time_point start = Clock::now();
		bool done = contender->run();
		double seconds = std::chrono::duration<double>(Clock::now() - start).count();
		// The roster reaps an encoder just after it announces its end.
		std::this_thread::sleep_for(std::chrono::milliseconds(100));
		Cpu after = Cpu::Now();
		contender->time.Add(seconds);
		contender->selfCpu.Add(after.self - before.self);
		contender->childrenCpu.Add(after.children - before.children);
		contender->updates.Add(fSession->Headless().UpdateCount() - updatesBefore);
		return done;
	}

private:
	ProgramSession* fSession;
	std::vector<std::string> fWaves;
	std::vector<std::string> fBeside;
	std::vector<std::string> fConverted;
};

static void
ReportFigures(Report* report, const std::vector<Contender>& contenders, int files, bool longFiles)
{
	const Contender& one = contenders[0];
	const Contender& two = contenders[1];
	const Contender& quiet = contenders[2];
	const Contender& loop = contenders[3];
	const Contender* converter = contenders.size() > 4 ? &contenders[4] : nullptr;
	for (const Contender& contender : contenders) {
		report->Compared(contender.name + ": time, median", "s", contender.time.Median(),
		                 loop.time.Median());
	}
	report->Compared("1 encoder against the loop", "s", one.time.Median(), loop.time.Median(),
	                 longFiles ? 1.01 : 1.05);
	if (longFiles) {
		report->Compared("2 encoders against the loop", "s", two.time.Median(), loop.time.Median(),
		                 0.6);
	}
	if (converter != nullptr) {
		report->Compared("2 encoders against SoundConverter", "s", two.time.Median(),
		                 converter->time.Median(), 0.999);
	}
	for (const Contender* contender : {&one, &two, &quiet}) {
		report->Bounded(contender->name + ": own CPU per encoder CPU", "%",
		                100 * contender->selfCpu.Median() / contender->childrenCpu.Median());
		report->Bounded(contender->name + ": own CPU per file", "ms",
		                1000 * contender->selfCpu.Median() / files);
		report->Bounded(contender->name + ": display updates in a run", "",
		                contender->updates.Median());
	}
	// Reading and showing the progress: what one encoder's run takes beyond
	// the same run without progress lines.
	report->Bounded(
	    "progress: own CPU per encoder CPU", "%",
	    100 * (one.selfCpu.Median() - quiet.selfCpu.Median()) / one.childrenCpu.Median(), 1);
	report->Bounded("encoders' CPU, 1 encoder", "s", one.childrenCpu.Median());
	report->Bounded("encoders' CPU, shell loop", "s", loop.childrenCpu.Median());
	if (converter != nullptr)
		report->Bounded("SoundConverter's CPU", "s", converter->childrenCpu.Median());
}

int
main(int argc, char** argv)
{
	int count = argc > 1 ? atoi(argv[1]) : 20;
	double seconds = argc > 2 ? atof(argv[2]) : 10;
	int rounds = argc > 3 ? atoi(argv[3]) : 5;
	if (count < 1 || seconds <= 0 || rounds < 1) {
		fprintf(stderr, "usage: bench_batch [files] [seconds] [rounds]\n");
		return 2;
	}
	if (access(kEncoder, X_OK) != 0) {
		fprintf(stderr, "bench_batch: %s is missing (package vorbis-tools)\n", kEncoder);
		return 1;
	}
	bool withConverter = access(kSoundConverter, X_OK) == 0;
	if (!withConverter)
		fprintf(stderr, "bench_batch: %s is missing: measured without it\n", kSoundConverter);

	ProgramSession session(kEncoder);
	if (!session.IsReady())
		return 1;
	std::vector<std::string> waves;
	for (int index = 0; index < count; index++) {
		waves.push_back(session.Folder() / ("track " + std::to_string(index) + ".wav"));
		if (!WaveFile::Write(waves.back(), seconds, index)) {
			fprintf(stderr, "bench_batch: cannot write %s\n", waves.back().c_str());
			return 1;
		}
	}

	// The program puts its options around each path; the others must pass
	// the same ones.
	char before[256] = "";
	char after[256] = "";
	session.Locked([&] {
		for (const std::string& wave : waves)
			session.Window()->filesList->AddFile(wave.c_str());
		session.Window()->tabView->encoderView->OptionsBefore(before);
		session.Window()->tabView->encoderView->OptionsAfter(after);
	});
	if (before[0] != '\0' || after[0] != '\0') {
		fprintf(stderr, "bench_batch: the program passes options the others do not\n");
		return 1;
	}

	BatchBench bench(&session, waves);
	std::vector<Contender> contenders = {
	    {"program, 1 encoder", [&] { return bench.Program(1); }, {}, {}, {}, {}},
	    {"program, 2 encoders", [&] { return bench.Program(2); }, {}, {}, {}, {}},
	    {"program, 1 encoder, oggenc -Q", [&] { return bench.Program(1, true); }, {}, {}, {}, {}},
	    {"oggenc shell loop", [&] { return bench.ShellLoop(); }, {}, {}, {}, {}},
	};
	if (withConverter) {
		contenders.push_back(
		    {"SoundConverter, 2 jobs", [&] { return bench.SoundConverter(); }, {}, {}, {}, {}});
	}
	for (int round = 0; round < rounds; round++) {
		for (size_t turn = 0; turn < contenders.size(); turn++) {
			Contender& contender = contenders[(turn + round) % contenders.size()];
			if (!bench.Measure(&contender)) {
				fprintf(stderr, "bench_batch: %s did not encode every file\n",
				        contender.name.c_str());
				return 1;
			}
		}
	}

	char title[200];
	snprintf(title, sizeof(title),
	         "Batch of %d x %g s WAV (44.1 kHz stereo 16-bit), %d rounds (reference: oggenc "
	         "shell loop)",
	         count, seconds, rounds);
	Report report(title);
	ReportFigures(&report, contenders, count, seconds >= 1);
	return 0;
}
