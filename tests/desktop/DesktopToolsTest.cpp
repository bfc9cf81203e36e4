#include "DesktopTools.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "tests/support/Polling.h"
#include "tests/support/TempDirectory.h"

// A database tool that hangs must not hold the program for good: it is
// killed at the time limit, with what it started, and the wait says so.
TEST(DesktopTools, AToolThatOutlivesTheTimeLimitIsEndedWithWhatItStarted)
{
	TempDirectory folder;
	std::string started = folder / "started";
	std::string tool = folder.WriteFile(
	    "update-mime-database", "#!/bin/sh\nsleep 1000 &\necho $! > '" + started + "'\nwait\n");
	ASSERT_EQ(chmod(tool.c_str(), 0700), 0);

	// Long enough for the tool to start its child on a busy machine.
	EXPECT_EQ(DesktopTools::Run(tool, {folder.Path()}, 2000000), B_TIMED_OUT);
	pid_t child = 0;
	std::ifstream(started) >> child;
	ASSERT_GT(child, 0);
	EXPECT_TRUE(Polling::WaitForProcessEnd(child, 10000000));
}
