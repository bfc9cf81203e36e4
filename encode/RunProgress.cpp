#include "RunProgress.h"

#include <algorithm>
#include <sys/stat.h>

static const bigtime_t kSecond = 1000000;
// Before this much time and work the rate says too little.
static const bigtime_t kLeastTime = kSecond;
static const float kLeastWork = 0.01f;

RunProgress::RunProgress() : fTotal(0), fFinished(0), fStart(0) {}

void
RunProgress::Begin(const std::vector<std::string>& paths, bigtime_t now)
{
	fWeights.assign(paths.size(), 0);
	fTotal = 0;
	for (size_t i = 0; i < paths.size(); i++) {
		struct stat info;
		if (stat(paths[i].c_str(), &info) == 0 && S_ISREG(info.st_mode))
			fWeights[i] = (double)info.st_size;
		fTotal += fWeights[i];
	}
	if (fTotal <= 0) {
		fWeights.assign(paths.size(), 1);
		fTotal = (double)paths.size();
	}
	fFinished = 0;
	fStart = now;
}

void
RunProgress::Finish(int32 file)
{
	if (file >= 0 && (size_t)file < fWeights.size())
		fFinished += fWeights[(size_t)file];
}

float
RunProgress::Fraction(const std::vector<Running>& running) const
{
	if (fTotal <= 0)
		return 0;
	double done = fFinished;
	for (const auto& [file, fraction] : running) {
		if (file >= 0 && (size_t)file < fWeights.size())
			done += fWeights[(size_t)file] * fraction;
	}
	return (float)std::clamp(done / fTotal, 0.0, 1.0);
}

std::string
RunProgress::RemainingText(float fraction, bigtime_t now) const
{
	bigtime_t elapsed = now - fStart;
	if (elapsed < kLeastTime || fraction < kLeastWork)
		return "Tempo rimanente: calcolo...";
	double left = (double)elapsed * (1 - fraction) / fraction;
	return "Tempo rimanente: " + Duration((bigtime_t)left);
}

std::string
RunProgress::Duration(bigtime_t microseconds)
{
	// Rounded up: "0s" would say that nothing is left.
	int64 seconds = std::max<int64>((microseconds + kSecond - 1) / kSecond, 0);
	int64 minutes = seconds / 60;
	if (minutes >= 60)
		return std::to_string(minutes / 60) + "h " + std::to_string(minutes % 60) + "m";
	if (minutes > 0)
		return std::to_string(minutes) + "m " + std::to_string(seconds % 60) + "s";
	return std::to_string(seconds) + "s";
}
