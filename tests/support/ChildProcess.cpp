#include "ChildProcess.h"

#include "Command.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

static int
Remaining(Clock::time_point deadline)
{
	auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
	return left.count() > 0 ? (int)left.count() : 0;
}

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment)
    : fPid(-1), fOutput(-1), fReaped(false)
{
	std::vector<char*> argv;
	for (const std::string& argument : arguments)
		argv.push_back(const_cast<char*>(argument.c_str()));
	argv.push_back(nullptr);
	std::vector<std::string> merged = Command::Environment(environment);
	std::vector<char*> envp;
	for (const std::string& entry : merged)
		envp.push_back(const_cast<char*>(entry.c_str()));
	envp.push_back(nullptr);

	int fds[2];
	if (pipe2(fds, O_CLOEXEC) != 0)
		return;
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
	if (posix_spawnp(&fPid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
		fPid = -1;
	posix_spawn_file_actions_destroy(&actions);
	close(fds[1]);
	fOutput = fds[0];
}

ChildProcess::~ChildProcess()
{
	if (fPid > 0 && !fReaped) {
		kill(fPid, SIGKILL);
		waitpid(fPid, nullptr, 0);
	}
	if (fOutput >= 0)
		close(fOutput);
}

bool
ChildProcess::IsRunning() const
{
	return fPid > 0 && !fReaped;
}

pid_t
ChildProcess::Pid() const
{
	return fPid;
}

const std::string&
ChildProcess::Output() const
{
	return fText;
}

// Reads what is there within the timeout; false at end of output or on
// timeout.
bool
ChildProcess::_Read(bigtime_t timeout)
{
	pollfd polled = {fOutput, POLLIN, 0};
	if (poll(&polled, 1, (int)(timeout / 1000)) <= 0)
		return false;
	char buffer[4096];
	ssize_t count = read(fOutput, buffer, sizeof(buffer));
	if (count <= 0)
		return false;
	fText.append(buffer, (size_t)count);
	return true;
}

bool
ChildProcess::WaitForOutput(const std::string& text, bigtime_t timeout)
{
	auto deadline = Clock::now() + std::chrono::microseconds(timeout);
	while (fText.find(text) == std::string::npos) {
		if (!_Read(Remaining(deadline) * 1000LL))
			return false;
	}
	return true;
}

bool
ChildProcess::WaitForExit(bigtime_t timeout, int* status)
{
	if (fPid <= 0 || fReaped)
		return false;
	int pidfd = (int)syscall(SYS_pidfd_open, fPid, 0);
	if (pidfd < 0)
		return false;
	// The output may outlive the child: processes it started can hold the
	// pipe. Reading stops once the child has ended and nothing is left.
	auto deadline = Clock::now() + std::chrono::microseconds(timeout);
	bool ended = false;
	while (!ended && Remaining(deadline) > 0) {
		pollfd polled[2] = {{pidfd, POLLIN, 0}, {fOutput, POLLIN, 0}};
		if (poll(polled, 2, Remaining(deadline)) <= 0)
			continue;
		ended = (polled[0].revents & POLLIN) != 0;
		if ((polled[1].revents & (POLLIN | POLLHUP)) != 0 && !_Read(0) && !ended)
			ended = poll(polled, 1, Remaining(deadline)) == 1;
	}
	close(pidfd);
	if (!ended)
		return false;
	while (_Read(0)) {
	}
	fReaped = waitpid(fPid, status, 0) == fPid;
	return fReaped;
}
