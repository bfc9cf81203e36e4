#include "Polling.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

bool
Polling::WaitUntil(const std::function<bool()>& done, bigtime_t timeout)
{
	auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(timeout);
	while (!done()) {
		if (std::chrono::steady_clock::now() > deadline)
			return false;
		std::this_thread::sleep_for(std::chrono::milliseconds(2));
	}
	return true;
}

bool
Polling::WaitForProcessEnd(pid_t pid, bigtime_t timeout)
{
	// A pidfd becomes readable when the process ends, before anyone reaps it.
	int pidfd = (int)syscall(SYS_pidfd_open, pid, 0);
	if (pidfd < 0)
		return errno == ESRCH;
	pollfd polled = {pidfd, POLLIN, 0};
	bool ended = poll(&polled, 1, (int)(timeout / 1000)) == 1;
	close(pidfd);
	return ended;
}
