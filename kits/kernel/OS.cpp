#include <OS.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <unistd.h>

status_t
kill_team(team_id team)
{
	// Never the caller's process group or every process: only a real
	// process id.
	if (team <= 0)
		return B_BAD_TEAM_ID;
	// A team the roster started leads a process group of its own: the
	// whole group ends, so an encoder started by a wrapper script goes with
	// the script. A process that leads no group ends alone.
	if (kill(-team, SIGKILL) == 0 || kill(team, SIGKILL) == 0)
		return B_OK;
	return status_from_errno(errno);
}

thread_id
find_thread(const char* name)
{
	if (name != nullptr)
		return B_NAME_NOT_FOUND;
	return (thread_id)gettid();
}

bigtime_t
system_time()
{
	timespec now;
	clock_gettime(CLOCK_MONOTONIC, &now);
	return (bigtime_t)now.tv_sec * 1000000 + now.tv_nsec / 1000;
}
