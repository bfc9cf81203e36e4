// The time from one encoder's end to the next encoder's start during an
// encoding run: the program (in-process, headless display) runs the stamp
// encoder on every file of a list; the reference is a plain loop that
// starts the same stand-in, waits for its end through a pidfd and starts
// the next, which is the least any launcher pays. Rounds of both alternate,
// so that a change in the machine's load reaches both alike.
//
// Usage: bench_gap [encoders per round] [rounds]   (default 100 and 5)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "PlainSpawn.h"
#include "ProgramSession.h"
#include "Report.h"
#include "StampLog.h"
#include "list/FilesList.h"
#include "tests/support/TempDirectory.h"
#include "window/MainWindow.h"

static const double kMillisecond = 1e6;
static const int64_t kRunBound = 120 * 1000000LL;

static bool
RunReference(int count)
{
	for (int index = 0; index < count; index++) {
		if (PlainSpawn::Run({STAMP_ENCODER_PATH, "track.wav"}) != 0)
			return false;
	}
	return true;
}

// The gaps of one round's log, which it then removes; false when not every
// encoder left its record.
static bool
TakeGaps(const std::string& log, int count, Samples* gaps)
{
	std::vector<StampLog::Stamp> stamps = StampLog::Read(log);
	remove(log.c_str());
	if ((int)stamps.size() != count) {
		fprintf(stderr, "bench_gap: %zu encoders recorded, %d expected\n", stamps.size(), count);
		return false;
	}
	Samples round = StampLog::Gaps(stamps);
	for (double gap : round.Values())
		gaps->Add(gap);
	return true;
}

static void
Compare(Report* report, const Samples& program, const Samples& reference, double percent)
{
	std::string figure = percent == 50 ? "gap, median" : "gap, 95th percentile";
	report->Compared(figure, "ms", program.Percentile(percent) / kMillisecond,
	                 reference.Percentile(percent) / kMillisecond);
}

int
main(int argc, char** argv)
{
	int count = argc > 1 ? atoi(argv[1]) : 100;
	int rounds = argc > 2 ? atoi(argv[2]) : 5;
	if (count < 2 || rounds < 1) {
		fprintf(stderr, "usage: bench_gap [encoders per round, at least 2] [rounds]\n");
		return 2;
	}
	TempDirectory folder;
	std::string log = folder / "stamps.log";
	// Set before any thread runs.
	setenv("STAMP_ENCODER_LOG", log.c_str(), 1);

	ProgramSession session(STAMP_ENCODER_PATH);
	if (!session.IsReady())
		return 1;
	session.Locked([&] {
		for (int index = 0; index < count; index++) {
			std::string path = "/nowhere/track " + std::to_string(index) + ".wav";
			session.Window()->filesList->AddFile(path.c_str());
		}
	});

	Samples program;
	Samples reference;
	for (int round = 0; round < rounds; round++) {
		if (!session.User().Click(ProgramSession::kMain, "EncodeButton") ||
		    !session.WaitForRunEnd(kRunBound) || !TakeGaps(log, count, &program)) {
			fprintf(stderr, "bench_gap: the program's run did not complete\n");
			return 1;
		}
		if (!RunReference(count) || !TakeGaps(log, count, &reference)) {
			fprintf(stderr, "bench_gap: the reference loop failed\n");
			return 1;
		}
	}

	Report report("Encoder end to next encoder start, " + std::to_string(rounds) + " x " +
	              std::to_string(count) + " stand-in encoders (reference: plain spawn loop)");
	Compare(&report, program, reference, 50);
	Compare(&report, program, reference, 95);
	report.Bounded("gap, median", "ms", program.Median() / kMillisecond, 1);
	report.Bounded("gap, largest", "ms", program.Maximum() / kMillisecond);
	if (program.Minimum() < 0)
		report.Note("two encoders ran at once: a gap is negative");
	return 0;
}
