// The arithmetic the benchmarks report with: order statistics, the stamp
// encoder's log, the memory summary and the report's verdicts. A fault
// here would print a wrong figure as if it were measured.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "ProcessMemory.h"
#include "Report.h"
#include "Samples.h"
#include "StampLog.h"
#include "tests/support/TempDirectory.h"

namespace {

Samples
Of(std::initializer_list<double> values)
{
	Samples samples;
	for (double value : values)
		samples.Add(value);
	return samples;
}

TEST(SamplesTest, MedianOfOddAndEvenCountsInAnyOrder)
{
	EXPECT_EQ(Of({5, 1, 3}).Median(), 3);
	EXPECT_EQ(Of({4, 1, 3, 2}).Median(), 2.5);
	EXPECT_EQ(Of({7}).Median(), 7);
	EXPECT_EQ(Of({}).Median(), 0);
	// Sorting for the median leaves the samples in their own order.
	Samples samples = Of({3, 1, 2});
	samples.Median();
	EXPECT_EQ(samples.Values(), (std::vector<double>{3, 1, 2}));
}

TEST(SamplesTest, PercentileIsTheNearestRank)
{
	Samples hundred;
	for (int value = 100; value >= 1; value--)
		hundred.Add(value);
	EXPECT_EQ(hundred.Percentile(95), 95);
	EXPECT_EQ(hundred.Percentile(50), 50);
	EXPECT_EQ(hundred.Percentile(100), 100);
	EXPECT_EQ(hundred.Percentile(0.1), 1);
	// Of 20 samples the 95th percentile is the 19th, not the largest.
	Samples twenty;
	for (int value = 1; value <= 20; value++)
		twenty.Add(value);
	EXPECT_EQ(twenty.Percentile(95), 19);
	EXPECT_EQ(Of({2, 8}).Percentile(95), 8);
	EXPECT_EQ(Of({}).Percentile(95), 0);
	EXPECT_EQ(hundred.Minimum(), 1);
	EXPECT_EQ(hundred.Maximum(), 100);
}

TEST(StampLogTest, ReadsWholeRecordsOnly)
{
	TempDirectory folder;
	std::string log = folder.WriteFile("stamps.log", "10 100 200\n"
	                                                 "11 300\n"
	                                                 "12 400 500 600\n"
	                                                 "13 900 800\n"
	                                                 "x 1 2\n"
	                                                 "14 1000 1100\n"
	                                                 "15 1200 1300");
	std::vector<StampLog::Stamp> stamps = StampLog::Read(log);
	ASSERT_EQ(stamps.size(), 3u);
	EXPECT_EQ(stamps[0].pid, 10);
	EXPECT_EQ(stamps[1].start, 1000);
	EXPECT_EQ(stamps[2].end, 1300);
	EXPECT_TRUE(StampLog::Read(folder / "missing.log").empty());
}

TEST(StampLogTest, GapsFollowTheOrderOfStarts)
{
	// Records land in the order the encoders ended, which need not be the
	// order they started in.
	std::vector<StampLog::Stamp> stamps = {
	    {2, 1500, 1800}, {1, 1000, 1200}, {3, 2000, 2600}, {4, 2500, 2700}};
	Samples gaps = StampLog::Gaps(stamps);
	EXPECT_EQ(gaps.Values(), (std::vector<double>{300, 200, -100}));
	EXPECT_TRUE(StampLog::Gaps({{1, 0, 5}}).IsEmpty());
}

TEST(ProcessMemoryTest, ParsesTheKernelSummary)
{
	ProcessMemory::Figures figures = ProcessMemory::Parse(
	    "55d0c0de0000-7ffd00000000 ---p 00000000 00:00 0                          [rollup]\n"
	    "Rss:               12345 kB\n"
	    "Pss:                6789 kB\n"
	    "Pss_Anon:           1000 kB\n"
	    "Shared_Clean:       4000 kB\n");
	EXPECT_EQ(figures.rss, 12345);
	EXPECT_EQ(figures.pss, 6789);
	ProcessMemory::Figures none = ProcessMemory::Parse("Rss: many kB\nPss: 5 pages\n");
	EXPECT_EQ(none.rss, -1);
	EXPECT_EQ(none.pss, -1);
}

TEST(ProcessMemoryTest, ReadsALiveProcess)
{
	ProcessMemory::Figures figures = ProcessMemory::Read(getpid());
	EXPECT_GT(figures.rss, 0);
	EXPECT_GT(figures.pss, 0);
	EXPECT_LE(figures.pss, figures.rss);
	EXPECT_EQ(ProcessMemory::Read(-1).rss, -1);
}

class ReportTest : public ::testing::Test {
protected:
	ReportTest() : output(open_memstream(&text, &size)) {}
	~ReportTest() override
	{
		fclose(output);
		free(text);
	}

	std::string
	Text()
	{
		fflush(output);
		return std::string(text, size);
	}

	char* text = nullptr;
	size_t size = 0;
	FILE* output;
};

TEST_F(ReportTest, VerdictsFollowTheGoals)
{
	Report report("Title", output);
	report.Compared("within", "s", 10.05, 10, 1.01);
	EXPECT_EQ(report.CountMissed(), 0);
	report.Compared("beyond", "s", 10.2, 10, 1.01);
	EXPECT_EQ(report.CountMissed(), 1);
	// A reference of nothing cannot meet a ratio.
	report.Compared("no reference", "s", 1, 0, 1.01);
	EXPECT_EQ(report.CountMissed(), 2);
	report.Compared("no goal", "s", 50, 1);
	report.Bounded("under", "ms", 99, 100);
	report.Bounded("unbounded", "ms", 1e9);
	EXPECT_EQ(report.CountMissed(), 2);
	report.Bounded("over", "ms", 101, 100);
	EXPECT_EQ(report.CountMissed(), 3);
	std::string printed = Text();
	EXPECT_NE(printed.find("== Title"), std::string::npos) << printed;
	EXPECT_NE(printed.find("10.050 s"), std::string::npos) << printed;
	EXPECT_NE(printed.find("1.020"), std::string::npos) << printed;
	EXPECT_NE(printed.find("MISSED"), std::string::npos) << printed;
}

TEST_F(ReportTest, GrowthIsMeasuredAgainstLinear)
{
	Report report("Growth", output);
	// Four times the size, four times the time: linear.
	report.Growth("linear", 10, 40, 4);
	EXPECT_EQ(report.CountMissed(), 0);
	// Sixteen times the time: quadratic.
	report.Growth("quadratic", 10, 160, 4);
	EXPECT_EQ(report.CountMissed(), 1);
	report.Growth("nothing measured", 0, 40, 4);
	EXPECT_EQ(report.CountMissed(), 2);
	std::string printed = Text();
	EXPECT_NE(printed.find("x16.00"), std::string::npos) << printed;
	EXPECT_NE(printed.find("4.000"), std::string::npos) << printed;
}

} // namespace
