// ChildWatcher: one thread that waits for the child processes it is given
// and reaps exactly those (never waitpid(-1), so other children of the
// process are left to whoever started them). Each child is watched through
// a pidfd; an eventfd wakes the thread for a new child or to stop. A child
// may come with a pipe on its output, which the thread reads once more when
// the child has ended and hands to the exit hook with the end, so that
// everything the child wrote is known by then. Until then it reads a pipe
// at most every
// kOutputInterval, the first time one interval after the child started,
// unless the pipe was full: a child that writes a line at a time costs a
// read per interval, not one per line (one in all if it ends within the
// interval), and one that floods its pipe is never held up for long.
//
// Thread safety: Watch() may be called from any thread. The hooks run in
// the watcher's thread, with no lock of the watcher held: the output hook
// for every read while the child runs, the exit hook once the child has
// ended and just before it is reaped. Deleting the watcher stops its thread; children still
// running keep running and are no longer reaped by it.
#ifndef _CHILD_WATCHER_H
#define _CHILD_WATCHER_H

#include <functional>
#include <map>
#include <mutex>
#include <poll.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <OS.h>

namespace BPrivate {

class ChildWatcher {
public:
	// how: the exit status (0 to 255) when the child exited, minus the
	// number of the signal that ended it otherwise; lastOutput: what its
	// pipe held then.
	using ExitHook = std::function<void(team_id child, int32 how, const std::string& lastOutput)>;
	using OutputHook = std::function<void(team_id child, const char* data, size_t size)>;

	static constexpr bigtime_t kOutputInterval = 100000;

	ChildWatcher(ExitHook exitHook, OutputHook outputHook);
	~ChildWatcher();
	ChildWatcher(const ChildWatcher&) = delete;
	ChildWatcher& operator=(const ChildWatcher&) = delete;

	// output: the non-blocking read end of a pipe on the child's output,
	// which the watcher takes and closes, or -1. B_OK, or the translated
	// errno when the child cannot be watched (the pipe is left to the
	// caller then).
	status_t Watch(team_id child, int output = -1);

private:
	struct Child {
		int pidfd;
		int output;
		// When its pipe may be read again (system_time()).
		bigtime_t quietUntil = 0;
	};

	void _Run();
	void _Wake();
	// Reads what the pipe holds now, for the output hook; false once it is
	// at its end. *full: the pipe may hold more.
	bool _Read(team_id child, int output, bool* full);
	// The poll timeout (milliseconds, -1 for none) until the first pipe
	// left out for now may be read again.
	int _BuildPollSet(bigtime_t now);
	void _Ended(team_id child, Child* watched);

	ExitHook fExitHook;
	OutputHook fOutputHook;
	std::mutex fLock;
	// Given by Watch(), not yet taken by the thread.
	std::map<team_id, Child> fNew;
	bool fStopping;
	int fWakeFd;
	// The thread's own.
	std::map<team_id, Child> fChildren;
	// The poll set: after the eventfd, each child's pidfd and, when it may
	// be read, its pipe; for each, its child and whether it is the pipe.
	std::vector<pollfd> fPolled;
	std::vector<std::pair<team_id, bool>> fOwners;
	std::thread fThread;
};

} // namespace BPrivate

#endif // _CHILD_WATCHER_H
