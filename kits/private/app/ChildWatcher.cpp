#include "ChildWatcher.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace BPrivate {

// What one read takes from a pipe: a pipe holds 64 KiB by default.
static const size_t kReadSize = 65536;
// Reads of one pipe in a row, so that a child that floods its pipe cannot
// keep the thread from the others.
static const int kReadsInARow = 4;

ChildWatcher::ChildWatcher(ExitHook exitHook, OutputHook outputHook)
    : fExitHook(std::move(exitHook)), fOutputHook(std::move(outputHook)), fStopping(false),
      fWakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
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
	for (auto* children : {&fNew, &fChildren}) {
		for (const auto& [child, watched] : *children) {
			close(watched.pidfd);
			if (watched.output >= 0)
				close(watched.output);
		}
	}
	if (fWakeFd >= 0)
		close(fWakeFd);
}

status_t
ChildWatcher::Watch(team_id child, int output)
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
		fNew[child] = Child{pidfd, output};
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
	std::vector<pollfd> polled;
	// For each entry after the first: its child, and whether it is the
	// child's pipe rather than its pidfd.
	std::vector<std::pair<team_id, bool>> owners;
	for (;;) {
		{
			std::scoped_lock lock(fLock);
			if (fStopping)
				return;
			fChildren.merge(fNew);
		}
		polled.assign(1, pollfd{fWakeFd, POLLIN, 0});
		owners.assign(1, {-1, false});
		for (const auto& [child, watched] : fChildren) {
			polled.push_back({watched.pidfd, POLLIN, 0});
			owners.push_back({child, false});
			if (watched.output >= 0) {
				polled.push_back({watched.output, POLLIN, 0});
				owners.push_back({child, true});
			}
		}
		if (poll(polled.data(), polled.size(), -1) < 0)
			continue;
		if ((polled[0].revents & POLLIN) != 0) {
			uint64_t count;
			[[maybe_unused]] ssize_t taken = read(fWakeFd, &count, sizeof(count));
		}
		// Pipes first, so that what a child wrote goes before its end.
		for (bool pipes : {true, false}) {
			for (size_t i = 1; i < polled.size(); i++) {
				if (polled[i].revents == 0 || owners[i].second != pipes)
					continue;
				auto found = fChildren.find(owners[i].first);
				if (found == fChildren.end())
					continue;
				if (pipes) {
					if (!_Read(found->first, found->second.output)) {
						close(found->second.output);
						found->second.output = -1;
					}
				} else {
					_Ended(found->first, &found->second);
					fChildren.erase(found);
				}
			}
		}
	}
}

bool
ChildWatcher::_Read(team_id child, int output)
{
	char buffer[kReadSize];
	for (int reads = 0; reads < kReadsInARow; reads++) {
		ssize_t got = read(output, buffer, sizeof(buffer));
		if (got > 0) {
			fOutputHook(child, buffer, (size_t)got);
			if ((size_t)got < sizeof(buffer))
				return true;
		} else if (got == 0) {
			return false;
		} else if (errno != EINTR) {
			// Empty for now (EAGAIN), or broken for good.
			return errno == EAGAIN;
		}
	}
	return true;
}

void
ChildWatcher::_Ended(team_id child, Child* watched)
{
	// The child is gone, so what its pipe holds now (a pipe's worth at
	// most) is all it wrote; a grandchild that keeps the pipe open is not
	// waited for.
	if (watched->output >= 0) {
		_Read(child, watched->output);
		close(watched->output);
	}
	// The hook runs before the child is reaped, while its process id
	// cannot be given to a new child yet.
	siginfo_t info = {};
	int32 how = 0;
	if (waitid(P_PID, (id_t)child, &info, WEXITED | WNOWAIT) == 0)
		how = info.si_code == CLD_EXITED ? info.si_status : -info.si_status;
	fExitHook(child, how);
	while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
	}
	close(watched->pidfd);
}

} // namespace BPrivate
