#include "ChildWatcher.h"

#include <algorithm>
#include <cerrno>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

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
		// The first read waits an interval too: all that a child that ends
		// sooner wrote then comes in one read, at its end.
		fNew[child] = Child{pidfd, output, system_time() + kOutputInterval};
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
		{
			std::scoped_lock lock(fLock);
			if (fStopping)
				return;
			fChildren.merge(fNew);
		}
		int timeout = _BuildPollSet(system_time());
		if (poll(fPolled.data(), fPolled.size(), timeout) < 0)
			continue;
		if ((fPolled[0].revents & POLLIN) != 0) {
			uint64_t count;
			[[maybe_unused]] ssize_t taken = read(fWakeFd, &count, sizeof(count));
		}
		// Pipes first, so that what a child wrote goes before its end.
		for (bool pipes : {true, false}) {
			for (size_t i = 1; i < fPolled.size(); i++) {
				if (fPolled[i].revents == 0 || fOwners[i].second != pipes)
					continue;
				auto found = fChildren.find(fOwners[i].first);
				if (found == fChildren.end())
					continue;
				Child& watched = found->second;
				if (!pipes) {
					_Ended(found->first, &watched);
					fChildren.erase(found);
					continue;
				}
				bool full = false;
				if (!_Read(found->first, watched.output, &full)) {
					close(watched.output);
					watched.output = -1;
				} else if (!full) {
					watched.quietUntil = system_time() + kOutputInterval;
				}
			}
		}
	}
}

int
ChildWatcher::_BuildPollSet(bigtime_t now)
{
	fPolled.assign(1, pollfd{fWakeFd, POLLIN, 0});
	fOwners.assign(1, {-1, false});
	bigtime_t wake = B_INFINITE_TIMEOUT;
	for (const auto& [child, watched] : fChildren) {
		fPolled.push_back({watched.pidfd, POLLIN, 0});
		fOwners.push_back({child, false});
		if (watched.output < 0)
			continue;
		if (watched.quietUntil <= now) {
			fPolled.push_back({watched.output, POLLIN, 0});
			fOwners.push_back({child, true});
		} else {
			wake = std::min(wake, watched.quietUntil);
		}
	}
	if (wake == B_INFINITE_TIMEOUT)
		return -1;
	// Rounded up, so that the pipe is due when the poll returns.
	return (int)((wake - now + 999) / 1000);
}

bool
ChildWatcher::_Read(team_id child, int output, bool* full)
{
	char buffer[kReadSize];
	*full = false;
	for (int reads = 0; reads < kReadsInARow; reads++) {
		ssize_t got = read(output, buffer, sizeof(buffer));
		if (got > 0) {
			fOutputHook(child, buffer, (size_t)got);
			*full = (size_t)got == sizeof(buffer);
			if (!*full)
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
	std::string lastOutput;
	if (watched->output >= 0) {
		char buffer[kReadSize];
		for (int reads = 0; reads < kReadsInARow; reads++) {
			ssize_t got = read(watched->output, buffer, sizeof(buffer));
			if (got > 0)
				lastOutput.append(buffer, (size_t)got);
			else if (got == 0 || errno != EINTR)
				break;
		}
		close(watched->output);
	}
	// The hook runs before the child is reaped, while its process id
	// cannot be given to a new child yet.
	siginfo_t info = {};
	int32 how = 0;
	if (waitid(P_PID, (id_t)child, &info, WEXITED | WNOWAIT) == 0)
		how = info.si_code == CLD_EXITED ? info.si_status : -info.si_status;
	fExitHook(child, how, lastOutput);
	while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
	}
	close(watched->pidfd);
}

} // namespace BPrivate
