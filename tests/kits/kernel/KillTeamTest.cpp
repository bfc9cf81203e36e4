#include <OS.h>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

// A team id of 0 or -1 would reach the whole process group or every
// process through kill(2); it must be refused instead.
TEST(KillTeam, RefusesIdsThatAreNotOneProcess)
{
	EXPECT_EQ(kill_team(0), B_BAD_TEAM_ID);
	EXPECT_EQ(kill_team(-1), B_BAD_TEAM_ID);
	EXPECT_EQ(kill_team(-getpgrp()), B_BAD_TEAM_ID);
}

TEST(KillTeam, KillsExactlyThatProcess)
{
	pid_t child = fork();
	ASSERT_GE(child, 0);
	if (child == 0) {
		for (;;)
			pause();
	}
	EXPECT_EQ(kill_team(child), B_OK);
	int status = 0;
	ASSERT_EQ(waitpid(child, &status, 0), child);
	ASSERT_TRUE(WIFSIGNALED(status));
	EXPECT_EQ(WTERMSIG(status), SIGKILL);
	// The process is gone and reaped: nothing is left to kill.
	EXPECT_EQ(kill_team(child), B_BAD_TEAM_ID);
}
