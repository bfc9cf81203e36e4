// The benchmark programs themselves, at their smallest sizes, so that a
// change of the program that breaks one shows here rather than on the day
// someone measures. Their figures mean nothing at these sizes; that every
// figure is there, and that they end well, does.
#include <gtest/gtest.h>

#include <string>
#include <sys/wait.h>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/MessageLog.h"

namespace {

// The benchmark's report, after checking that it ended with status 0.
std::string
RunBench(const std::vector<std::string>& arguments)
{
	ChildProcess bench(arguments, {});
	EXPECT_TRUE(bench.IsRunning());
	int status = -1;
	EXPECT_TRUE(bench.WaitForExit(6 * MessageLog::kTimeout, &status));
	EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << bench.Output();
	return bench.Output();
}

void
ExpectRows(const std::string& report, const std::vector<std::string>& rows)
{
	for (const std::string& row : rows)
		EXPECT_NE(report.find("\n  " + row + " "), std::string::npos) << row << " in\n" << report;
}

TEST(BenchPrograms, ListReportsEveryOperationAndItsGrowth)
{
	std::string report = RunBench({BENCH_LIST_PATH, "40", "1"});
	ExpectRows(report, {"open", "save", "drop", "remove", "clear", "open, growth from 10 entries",
	                    "clear, growth from 10 entries"});
}

TEST(BenchPrograms, GapReportsTheProgramBesideThePlainLoop)
{
	std::string report = RunBench({BENCH_GAP_PATH, "3", "2"});
	ExpectRows(report, {"gap, median", "gap, 95th percentile", "gap, largest"});
	EXPECT_EQ(report.find("negative"), std::string::npos) << report;
}

TEST(BenchPrograms, MessageReportsBothWaysBesideABareQueue)
{
	std::string report = RunBench({BENCH_MESSAGE_PATH, "100", "1"});
	ExpectRows(report, {"stream, per message, time", "stream, per message, processor",
	                    "ping-pong, per hop, time", "ping-pong, per hop, processor"});
}

TEST(BenchPrograms, RefuseSizesTheyCannotMeasure)
{
	for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
	         {BENCH_LIST_PATH, "39"}, {BENCH_GAP_PATH, "1"}, {BENCH_MESSAGE_PATH, "9"}}) {
		ChildProcess bench(arguments, {});
		int status = -1;
		ASSERT_TRUE(bench.WaitForExit(MessageLog::kTimeout, &status));
		EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << arguments[0];
	}
}

} // namespace
