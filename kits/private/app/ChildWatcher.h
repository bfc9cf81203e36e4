// ChildWatcher: one thread that waits for the child processes it is given
// and reaps exactly those (never waitpid(-1), so other children of the
// process are left to whoever started them). Each child is watched through
// a pidfd; an eventfd wakes the thread for a new child or to stop.
//
// Thread safety: Watch() may be called from any thread. The hook runs in
// the watcher's thread, with no lock of the watcher held, once the child
// has ended and just before it is reaped. Deleting the
// watcher stops its thread; children still running keep running and are
// no longer reaped by it.
#ifndef _CHILD_WATCHER_H
#define _CHILD_WATCHER_H

#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include <OS.h>

namespace BPrivate {

class ChildWatcher {
public:
	using ExitHook = std::function<void(team_id child)>;

	explicit ChildWatcher(ExitHook hook);
	~ChildWatcher();
	ChildWatcher(const ChildWatcher&) = delete;
	ChildWatcher& operator=(const ChildWatcher&) = delete;

	// B_OK, or the translated errno when the child cannot be watched.
	status_t Watch(team_id child);

private:
	void _Run();
	void _Wake();

	ExitHook fHook;
	std::mutex fLock;
	std::map<team_id, int> fChildren; // child -> its pidfd
	int fWakeFd;
	bool fStopping;
	std::thread fThread;
};

} // namespace BPrivate

#endif // _CHILD_WATCHER_H
