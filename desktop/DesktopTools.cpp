#include "DesktopTools.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Waits for the child's end at most timeLimit microseconds; false when it
// has not ended by then.
static bool
WaitForEnd(pid_t pid, bigtime_t timeLimit)
{
	int pidfd = (int)syscall(SYS_pidfd_open, pid, 0);
	if (pidfd < 0)
		return true;
	pollfd polled = {pidfd, POLLIN, 0};
	int ready;
	do
		ready = poll(&polled, 1, (int)(timeLimit / 1000));
	while (ready < 0 && errno == EINTR);
	close(pidfd);
	return ready != 0;
}

status_t
DesktopTools::Run(const std::string& tool, const std::vector<std::string>& arguments,
                  bigtime_t timeLimit)
{
	std::vector<char*> argv;
	argv.push_back(const_cast<char*>(tool.c_str()));
	for (const std::string& argument : arguments)
		argv.push_back(const_cast<char*>(argument.c_str()));
	argv.push_back(nullptr);

	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
	posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
	// The application's threads block the quit signals; the tool must not.
	// In a process group of its own, it ends with whatever it started.
	posix_spawnattr_t attributes;
	posix_spawnattr_init(&attributes);
	sigset_t none;
	sigemptyset(&none);
	posix_spawnattr_setsigmask(&attributes, &none);
	posix_spawnattr_setpgroup(&attributes, 0);
	posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
	pid_t pid;
	int error = posix_spawnp(&pid, tool.c_str(), &actions, &attributes, argv.data(), environ);
	posix_spawnattr_destroy(&attributes);
	posix_spawn_file_actions_destroy(&actions);
	if (error == ENOENT)
		return B_ENTRY_NOT_FOUND;
	if (error != 0)
		return status_from_errno(error);

	bool ended = WaitForEnd(pid, timeLimit);
	if (!ended)
		kill(-pid, SIGKILL);
	int status = 0;
	pid_t result;
	do
		result = waitpid(pid, &status, 0);
	while (result < 0 && errno == EINTR);
	if (result < 0)
		return status_from_errno(errno);
	if (!ended)
		return B_TIMED_OUT;
	return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? B_OK : B_ERROR;
}
