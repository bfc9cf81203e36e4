#include <OS.h>

#include <cerrno>
#include <csignal>
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
