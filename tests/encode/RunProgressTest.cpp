#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "encode/RunProgress.h"
#include "tests/support/TempDirectory.h"

namespace {

const bigtime_t kSecond = 1000000;

} // namespace

TEST(RunProgress, WeighsFilesBySizeAndStretchesTheTimeSoFar)
{
	TempDirectory folder;
	// 100, 300 and 600 bytes; a folder and a missing file weigh nothing.
	std::vector<std::string> paths = {folder.WriteFile("a.wav", std::string(100, 'a')),
	                                  folder.WriteFile("b.wav", std::string(300, 'b')),
	                                  folder.WriteFile("c.wav", std::string(600, 'c')),
	                                  folder.Path(), folder / "missing.wav"};
	RunProgress progress;
	progress.Begin(paths, 10 * kSecond);
	EXPECT_FLOAT_EQ(progress.Fraction({}), 0);
	EXPECT_FLOAT_EQ(progress.Fraction({{1, 0.5f}, {2, 0.25f}}), 0.3f);
	progress.Finish(0);
	progress.Finish(3);
	EXPECT_FLOAT_EQ(progress.Fraction({{1, 0.5f}}), 0.25f);
	progress.Finish(1);
	progress.Finish(2);
	EXPECT_FLOAT_EQ(progress.Fraction({}), 1);

	// Nothing to weigh: every file the same.
	progress.Begin({folder / "x.wav", folder / "y.wav"}, 0);
	progress.Finish(1);
	EXPECT_FLOAT_EQ(progress.Fraction({{0, 0.5f}}), 0.75f);

	struct Case {
		float fraction;
		bigtime_t elapsed;
		const char* text;
	};
	for (const Case& test : {Case{0.5f, kSecond / 2, "Tempo rimanente: calcolo..."},
	                         Case{0.005f, 5 * kSecond, "Tempo rimanente: calcolo..."},
	                         Case{0.25f, 10 * kSecond, "Tempo rimanente: 30s"},
	                         Case{0.2f, 20 * kSecond, "Tempo rimanente: 1m 20s"},
	                         Case{0.01f, 100 * kSecond, "Tempo rimanente: 2h 45m"},
	                         Case{0.999f, 10 * kSecond, "Tempo rimanente: 1s"}}) {
		EXPECT_EQ(progress.RemainingText(test.fraction, test.elapsed), test.text)
		    << test.fraction << " after " << test.elapsed;
	}
}
