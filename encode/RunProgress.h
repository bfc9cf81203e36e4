// RunProgress: how far an encoding run has come and how long it still
// needs. Each file of the run weighs its size in bytes, or every file the
// same when the sizes say nothing (none could be read, or all are empty).
// A finished file counts whole, whatever its end; a running one counts by
// the fraction its encoder reported, so an encoder that reports none moves
// the run on by its finished files alone. The time left is the time so
// far stretched over the rest, said once a second has passed and a
// hundredth of the work is done.
//
// No lock: used by one thread at a time.
#ifndef RUN_PROGRESS_H
#define RUN_PROGRESS_H

#include <string>
#include <utility>
#include <vector>

#include <OS.h>

class RunProgress {
public:
	// A running file: its index and the fraction its encoder reported.
	using Running = std::pair<int32, float>;

	RunProgress();

	// A new run of the files at these paths, in list order, starting now
	// (microseconds of system_time()).
	void Begin(const std::vector<std::string>& paths, bigtime_t now);
	void Finish(int32 file);

	// From 0 to 1.
	float Fraction(const std::vector<Running>& running) const;
	// "Tempo rimanente: 1m 20s", or "Tempo rimanente: calcolo..." while
	// there is not enough to say.
	std::string RemainingText(float fraction, bigtime_t now) const;

	// "45s", "1m 20s", "2h 5m".
	static std::string Duration(bigtime_t microseconds);

private:
	std::vector<double> fWeights;
	double fTotal;
	double fFinished;
	bigtime_t fStart;
};

#endif // RUN_PROGRESS_H
