#include <OS.h>

#include <cerrno>
#include <csignal>
#include <unistd.h>

status_t
kill_team(team_id team)
{
	// Never a process group or every process: only a real process id.
	if (team <= 0)
		return B_BAD_TEAM_ID;
	if (kill(team, SIGKILL) != 0)
		return status_from_errno(errno);
	return B_OK;
}

thread_id
find_thread(const char* name)
{
	if (name != nullptr)
		return B_NAME_NOT_FOUND;
	return (thread_id)gettid();
}
