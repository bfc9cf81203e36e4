#include "SignalWatcher.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <AppDefs.h>

namespace BPrivate {

// The handler's end of the pipe; -1 while no watcher exists.
static std::atomic<int> sHandlerPipeEnd(-1);
// Set for good by HangUp().
static std::atomic<bool> sHungUp(false);

SignalWatcher::SignalWatcher(BMessenger target)
    : fTarget(target), fPipeReadEnd(-1), fPipeWriteEnd(-1), fSignalFd(-1),
      fBuilder(std::this_thread::get_id())
{
	int fds[2];
	if (pipe2(fds, O_CLOEXEC) != 0)
		return;
	fPipeReadEnd = fds[0];
	fPipeWriteEnd = fds[1];
	// A handler must never block, even with the pipe full.
	fcntl(fPipeWriteEnd, F_SETFL, O_NONBLOCK);
	sHandlerPipeEnd = fPipeWriteEnd;

	// Blocked before the thread starts, so that it inherits the block too.
	sigset_t signals;
	sigemptyset(&signals);
	for (int signal : kSignals)
		sigaddset(&signals, signal);
	pthread_sigmask(SIG_BLOCK, &signals, &fBuilderMask);
	fSignalFd = signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
	fThread = std::thread(&SignalWatcher::_Run, this);

	struct sigaction action = {};
	action.sa_handler = _Handler;
	action.sa_flags = SA_RESTART;
	sigemptyset(&action.sa_mask);
	for (size_t i = 0; i < std::size(kSignals); i++)
		sigaction(kSignals[i], &action, &fPrevious[i]);
	if (sHungUp)
		_Handler(SIGHUP);
}

SignalWatcher::~SignalWatcher()
{
	if (fPipeWriteEnd < 0)
		return;
	for (size_t i = 0; i < std::size(kSignals); i++)
		sigaction(kSignals[i], &fPrevious[i], nullptr);
	sHandlerPipeEnd = -1;
	// End of file on the pipe ends the thread.
	close(fPipeWriteEnd);
	fThread.join();
	close(fPipeReadEnd);
	if (fSignalFd >= 0)
		close(fSignalFd);
	// A mask belongs to a thread: only the builder's own can be put back.
	if (std::this_thread::get_id() == fBuilder)
		pthread_sigmask(SIG_SETMASK, &fBuilderMask, nullptr);
}

void
SignalWatcher::HangUp()
{
	sHungUp = true;
	_Handler(SIGHUP);
}

void
SignalWatcher::_Handler(int)
{
	int savedErrno = errno;
	int fd = sHandlerPipeEnd;
	char byte = 1;
	if (fd >= 0) [[maybe_unused]]
		ssize_t written = write(fd, &byte, 1);
	errno = savedErrno;
}

void
SignalWatcher::_Run()
{
	for (;;) {
		pollfd polled[2] = {{fPipeReadEnd, POLLIN, 0}, {fSignalFd, POLLIN, 0}};
		if (poll(polled, fSignalFd >= 0 ? 2 : 1, -1) < 0) {
			if (errno == EINTR)
				continue;
			return;
		}
		// Several signals read at once make one request.
		bool requested = false;
		signalfd_siginfo info;
		if ((polled[1].revents & POLLIN) != 0) {
			while (read(fSignalFd, &info, sizeof(info)) == (ssize_t)sizeof(info))
				requested = true;
		}
		if ((polled[0].revents & (POLLIN | POLLHUP)) != 0) {
			char bytes[16];
			ssize_t count = read(fPipeReadEnd, bytes, sizeof(bytes));
			if (count == 0)
				return;
			requested = requested || count > 0;
		}
		if (requested)
			fTarget.SendMessage(B_QUIT_REQUESTED);
	}
}

} // namespace BPrivate
