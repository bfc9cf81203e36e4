#include <StartProcessor.h>

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using BPrivate::StartProcessor;

// Read from a child that has ended but is not reaped yet, after it ran on
// one processor only; its name may hold the parentheses and spaces that
// the line's fields are split by.
TEST(StartProcessor, ReadsTheProcessorAnEndedChildLastRanOn)
{
	cpu_set_t own;
	ASSERT_EQ(sched_getaffinity(0, sizeof(own), &own), 0);
	for (int processor = 0; processor < CPU_SETSIZE; processor++) {
		if (!CPU_ISSET(processor, &own))
			continue;
		for (const char* name : {"plain", "a) 1 2 3 (b", ")"}) {
			pid_t child = fork();
			ASSERT_GE(child, 0);
			if (child == 0) {
				cpu_set_t one;
				CPU_ZERO(&one);
				CPU_SET(processor, &one);
				// Moves this process there before it returns.
				sched_setaffinity(0, sizeof(one), &one);
				prctl(PR_SET_NAME, name);
				_exit(0);
			}
			siginfo_t info;
			ASSERT_EQ(waitid(P_PID, (id_t)child, &info, WEXITED | WNOWAIT), 0);
			EXPECT_EQ(StartProcessor::LastOf(child), processor) << name;
			ASSERT_EQ(waitpid(child, nullptr, 0), child);
			EXPECT_EQ(StartProcessor::LastOf(child), -1) << "reaped";
		}
	}
}
