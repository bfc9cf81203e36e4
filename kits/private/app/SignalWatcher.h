// SignalWatcher: turns SIGTERM, SIGINT and SIGHUP into a B_QUIT_REQUESTED
// sent to a messenger, from a thread of its own; also a hang-up that comes
// without a signal (HangUp()).
//
// The thread that builds the watcher (the application's builder, before it
// starts any other thread) blocks the signals, so the threads it starts
// inherit the block, and the watcher reads them from a signalfd: no signal
// handler runs in the middle of the program's code. Threads that existed
// before keep the signals open; for them a handler only writes one byte to
// a pipe (the only work fit for a handler), which the watcher also reads.
//
// One watcher at a time per process: it installs the handlers when built
// and puts the previous handlers, and its builder's signal mask, back when
// deleted.
#ifndef _SIGNAL_WATCHER_H
#define _SIGNAL_WATCHER_H

#include <csignal>
#include <thread>

#include <Messenger.h>

namespace BPrivate {

class SignalWatcher {
public:
	explicit SignalWatcher(BMessenger target);
	~SignalWatcher();
	SignalWatcher(const SignalWatcher&) = delete;
	SignalWatcher& operator=(const SignalWatcher&) = delete;

	// The session is over without a signal (the screen went away): the
	// watcher asks for the quit as on SIGHUP. From any thread; a watcher
	// built afterwards asks at once.
	static void HangUp();

private:
	static void _Handler(int signal);
	void _Run();

	static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

	BMessenger fTarget;
	int fPipeReadEnd;
	int fPipeWriteEnd;
	int fSignalFd;
	struct sigaction fPrevious[3];
	sigset_t fBuilderMask;
	std::thread::id fBuilder;
	std::thread fThread;
};

} // namespace BPrivate

#endif // _SIGNAL_WATCHER_H
