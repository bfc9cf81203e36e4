#include "ChildWatcher.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace BPrivate {

ChildWatcher::ChildWatcher(ExitHook hook)
    : fHook(std::move(hook)), fWakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), fStopping(false)
{
	if (fWakeFd >= 0)
		fThread = std::thread(&ChildWatcher::_Run, this);
}

ChildWatcher::~ChildWatcher()
{
	{
		std::scoped_lock lock(fLock);
		fStopping = true;
	}
	if (fThread.joinable()) {
		_Wake();
		fThread.join();
	}
	for (const auto& [child, pidfd] : fChildren)
		close(pidfd);
	if (fWakeFd >= 0)
		close(fWakeFd);
}

status_t
ChildWatcher::Watch(team_id child)
{
	if (!fThread.joinable())
		return B_NO_MORE_FDS;
	// A child that has already ended is still there to open until it is
	// reaped, and only this watcher reaps it.
	int pidfd = (int)syscall(SYS_pidfd_open, (pid_t)child, 0);
	if (pidfd < 0)
		return status_from_errno(errno);
	{
		std::scoped_lock lock(fLock);
		fChildren[child] = pidfd;
	}
	_Wake();
	return B_OK;
}

void
ChildWatcher::_Wake()
{
	// Fails only when the counter is full: the thread is woken anyway.
	uint64_t one = 1;
	[[maybe_unused]] ssize_t written = write(fWakeFd, &one, sizeof(one));
}

void
ChildWatcher::_Run()
{
	for (;;) {
		std::vector<pollfd> polled{{fWakeFd, POLLIN, 0}};
		std::vector<team_id> children;
		{
			std::scoped_lock lock(fLock);
			if (fStopping)
				return;
			for (const auto& [child, pidfd] : fChildren) {
				polled.push_back({pidfd, POLLIN, 0});
				children.push_back(child);
			}
		}
		if (poll(polled.data(), polled.size(), -1) < 0)
			continue;
		if ((polled[0].revents & POLLIN) != 0) {
			uint64_t count;
			[[maybe_unused]] ssize_t taken = read(fWakeFd, &count, sizeof(count));
		}
		for (size_t i = 1; i < polled.size(); i++) {
			if (polled[i].revents == 0)
				continue;
			// The hook runs before the child is reaped, while its process id
			// cannot be given to a new child yet.
			team_id child = children[i - 1];
			{
				std::scoped_lock lock(fLock);
				fChildren.erase(child);
			}
			fHook(child);
			while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
			}
			close(polled[i].fd);
		}
	}
}

} // namespace BPrivate
