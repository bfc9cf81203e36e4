#include "SignalWatcher.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <AppDefs.h>

// The handler's end of the pipe; -1 while no watcher exists.
static std::atomic<int> sSignalFd(-1);

SignalWatcher::SignalWatcher(BMessenger target) : fTarget(target), fReadFd(-1), fWriteFd(-1)
{
	int fds[2];
	if (pipe2(fds, O_CLOEXEC) != 0)
		return;
	fReadFd = fds[0];
	fWriteFd = fds[1];
	// A handler must never block, even with the pipe full.
	fcntl(fWriteFd, F_SETFL, O_NONBLOCK);
	sSignalFd = fWriteFd;
	fThread = std::thread(&SignalWatcher::_Run, this);

	struct sigaction action = {};
	action.sa_handler = _Handler;
	action.sa_flags = SA_RESTART;
	sigemptyset(&action.sa_mask);
	for (size_t i = 0; i < std::size(kSignals); i++)
		sigaction(kSignals[i], &action, &fPrevious[i]);
}

SignalWatcher::~SignalWatcher()
{
	if (fWriteFd < 0)
		return;
	for (size_t i = 0; i < std::size(kSignals); i++)
		sigaction(kSignals[i], &fPrevious[i], nullptr);
	sSignalFd = -1;
	// End of file on the pipe ends the thread.
	close(fWriteFd);
	fThread.join();
	close(fReadFd);
}

void
SignalWatcher::_Handler(int)
{
	int savedErrno = errno;
	int fd = sSignalFd;
	char byte = 1;
	if (fd >= 0) [[maybe_unused]]
		ssize_t written = write(fd, &byte, 1);
	errno = savedErrno;
}

void
SignalWatcher::_Run()
{
	char bytes[16];
	for (;;) {
		ssize_t count = read(fReadFd, bytes, sizeof(bytes));
		if (count == 0 || (count < 0 && errno != EINTR))
			return;
		// Several signals read at once make one request.
		if (count > 0)
			fTarget.SendMessage(B_QUIT_REQUESTED);
	}
}
