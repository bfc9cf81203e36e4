// The time the program takes to encode a batch of WAV files with the real
// oggenc, against a shell loop that runs the same oggenc with the same
// arguments on the same files. Runs of the two alternate, so that a change
// in the machine's load reaches both alike; each figure is the median.
// Both send the encoder's output to /dev/null, so the terminal costs
// neither anything.
//
// Usage: bench_batch [files] [seconds] [pairs of runs]   (default 20, 10, 6)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "PlainSpawn.h"
#include "ProgramSession.h"
#include "Report.h"
#include "Samples.h"
#include "encode/EncoderView.h"
#include "list/FilesList.h"
#include "tests/support/WaveFile.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

static const char* const kEncoder = "/usr/bin/oggenc";
static const int64_t kRunBound = 600 * 1000000LL;

using Clock = std::chrono::steady_clock;

static double
SecondsSince(Clock::time_point start)
{
	return std::chrono::duration<double>(Clock::now() - start).count();
}

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

static std::string
OggFor(const std::string& wave)
{
	return wave.substr(0, wave.size() - 4) + ".ogg";
}

// Removes the encoded files first, so that only this run's count.
static void
RemoveEncoded(const std::vector<std::string>& waves)
{
	for (const std::string& wave : waves)
		unlink(OggFor(wave).c_str());
}

static bool
AllEncoded(const std::vector<std::string>& waves)
{
	for (const std::string& wave : waves) {
		struct stat info;
		if (stat(OggFor(wave).c_str(), &info) != 0 || info.st_size == 0)
			return false;
	}
	return true;
}

static bool
TimeProgram(ProgramSession* session, const std::vector<std::string>& waves, Samples* times)
{
	RemoveEncoded(waves);
	session->User().WaitIdle();
	bool done;
	Clock::time_point start = Clock::now();
	{
		QuietOutput quiet;
		done = session->User().Click(ProgramSession::kMain, "EncodeButton") &&
		       session->WaitForRunEnd(kRunBound);
	}
	times->Add(SecondsSince(start));
	return done && AllEncoded(waves);
}

static bool
TimeShellLoop(const std::vector<std::string>& waves, Samples* times)
{
	RemoveEncoded(waves);
	std::vector<std::string> command = {
	    "/bin/sh", "-c", std::string("for f in \"$@\"; do ") + kEncoder + " \"$f\"; done", "sh"};
	command.insert(command.end(), waves.begin(), waves.end());
	int status;
	Clock::time_point start = Clock::now();
	{
		QuietOutput quiet;
		status = PlainSpawn::Run(command);
	}
	times->Add(SecondsSince(start));
	return status == 0 && AllEncoded(waves);
}

int
main(int argc, char** argv)
{
	int count = argc > 1 ? atoi(argv[1]) : 20;
	double seconds = argc > 2 ? atof(argv[2]) : 10;
	int repetitions = argc > 3 ? atoi(argv[3]) : 6;
	if (count < 1 || seconds <= 0 || repetitions < 1) {
		fprintf(stderr, "usage: bench_batch [files] [seconds] [pairs of runs]\n");
		return 2;
	}
	if (access(kEncoder, X_OK) != 0) {
		fprintf(stderr, "bench_batch: %s is missing (package vorbis-tools)\n", kEncoder);
		return 1;
	}

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

	// The program puts its options around each path; the loop must pass
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
		fprintf(stderr, "bench_batch: the program passes options the loop does not\n");
		return 1;
	}

	// Each pair runs in turn program first and loop first, so that neither
	// gains from going second; the ratio of a pair's two runs, close in
	// time, is the least disturbed by the load of the machine.
	Samples program;
	Samples loop;
	Samples ratios;
	for (int repetition = 0; repetition < repetitions; repetition++) {
		bool programFirst = repetition % 2 == 0;
		for (int turn = 0; turn < 2; turn++) {
			bool runProgram = (turn == 0) == programFirst;
			bool done =
			    runProgram ? TimeProgram(&session, waves, &program) : TimeShellLoop(waves, &loop);
			if (!done) {
				fprintf(stderr, "bench_batch: a batch did not encode every file\n");
				return 1;
			}
		}
		ratios.Add(program.Values().back() / loop.Values().back());
	}

	char title[160];
	snprintf(title, sizeof(title),
	         "Batch of %d x %g s WAV (44.1 kHz stereo 16-bit) through oggenc, %d pairs of "
	         "runs (reference: shell loop)",
	         count, seconds, repetitions);
	Report report(title);
	report.Compared("batch time, medians", "s", program.Median(), loop.Median(), 1.01);
	report.Compared("batch time, fastest runs", "s", program.Minimum(), loop.Minimum());
	report.Bounded("ratio within a pair, median", "", ratios.Median(), 1.01);
	report.Bounded("ratio within a pair, largest", "", ratios.Maximum());
	return 0;
}
