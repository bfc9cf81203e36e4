// SignalWatcher: turns SIGTERM, SIGINT and SIGHUP into a B_QUIT_REQUESTED
// sent to a messenger. The signal handler only writes one byte to a pipe
// (the only work fit for a handler); a thread of the watcher reads it and
// sends the message.
//
// One watcher at a time per process: it installs the handlers when built
// and puts the previous ones back when deleted.
#ifndef _SIGNAL_WATCHER_H
#define _SIGNAL_WATCHER_H

#include <csignal>
#include <thread>

#include <Messenger.h>

class SignalWatcher {
public:
	explicit SignalWatcher(BMessenger target);
	~SignalWatcher();
	SignalWatcher(const SignalWatcher&) = delete;
	SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
	static void _Handler(int signal);
	void _Run();

	static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

	BMessenger fTarget;
	int fReadFd;
	int fWriteFd;
	struct sigaction fPrevious[3];
	std::thread fThread;
};

#endif // _SIGNAL_WATCHER_H
