// The start benchmark's watch on a real X screen (an Xvfb server of the
// test's own), with the bare window as the program it watches.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "PlainSpawn.h"
#include "ScreenWatch.h"
#include "tests/support/XvfbServer.h"

namespace {

using namespace std::chrono_literals;

class ScreenWatchTest : public ::testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
	}

	void
	TearDown() override
	{
		for (pid_t pid : windows) {
			kill(pid, SIGKILL);
			PlainSpawn::Wait(pid);
		}
	}

	void
	Show(const std::string& title, int width, int height)
	{
		pid_t pid = PlainSpawn::Start(
		    {BARE_WINDOW_PATH, std::to_string(width), std::to_string(height), title},
		    {"DISPLAY=" + server.Name()});
		ASSERT_GT(pid, 0);
		windows.push_back(pid);
	}

	XvfbServer server;
	std::vector<pid_t> windows;
};

TEST_F(ScreenWatchTest, FindsTheWindowByTitleOnceItIsDrawn)
{
	ScreenWatch watch(server.Name());
	ASSERT_TRUE(watch.IsOpen());
	watch.Begin();
	ScreenWatch::Clock::time_point start = ScreenWatch::Clock::now();
	// Another window, mapped first, is not the one watched.
	Show("altra", 120, 90);
	ScreenWatch::Result other = watch.Watch("altra", 50ms, 20s);
	ASSERT_TRUE(other.found);
	Show("sonda", 200, 100);
	ScreenWatch::Result result = watch.Watch("sonda", 50ms, 20s);
	ASSERT_TRUE(result.found);
	EXPECT_EQ(result.width, 200);
	EXPECT_EQ(result.height, 100);
	EXPECT_GE(result.mapped, other.drawn);
	EXPECT_GE(result.drawn, result.mapped);
	EXPECT_GT(other.mapped, start);
	// The picture counts once it has rested for the quiet period: the watch
	// returns that much after it, or later.
	EXPECT_GE(ScreenWatch::Clock::now() - result.drawn, 50ms);
}

TEST_F(ScreenWatchTest, WindowsMappedBeforeTheWatchBeganAreNotSeen)
{
	ScreenWatch watch(server.Name());
	ScreenWatch witness(server.Name());
	ASSERT_TRUE(watch.IsOpen());
	ASSERT_TRUE(witness.IsOpen());
	Show("prima", 150, 80);
	// Once a second watch has seen the first window mapped, the first
	// watch has had the notice too, before it begins.
	ASSERT_TRUE(witness.Watch("prima", 10ms, 20s).found);
	watch.Begin();
	Show("prima", 260, 120);
	ScreenWatch::Result result = watch.Watch("prima", 50ms, 20s);
	ASSERT_TRUE(result.found);
	EXPECT_EQ(result.width, 260) << "the earlier window of the same title was taken";
}

} // namespace
