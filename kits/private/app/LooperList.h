// LooperList: every live looper of the process, by its handler token (see
// TokenSpace), and the running ones that a test may wait on.
//
// A looper registers itself when it is built and leaves when it is deleted;
// its LooperPort stays reachable by token for as long as the looper lives,
// so BLooper::Lock() and BMessenger never touch a looper that is gone.
//
// WaitForIdle() is for tests: it returns once no running looper has a
// message queued or in hand and the idle probe (the display's pending work,
// when one is set) reports none. Messages queued for a looper that has not
// started running are not waited for, since nothing would handle them. It
// costs messages nothing: each port keeps its own queue, message in hand
// and count of posted messages under its own mutex, and the waiter reads
// them; a port that falls idle wakes waiters only when there are some.
//
// Thread safety: every function may be called from any thread. The list's
// mutex is never held while a port's mutex is taken, nor while the probe
// runs.
#ifndef _LOOPER_LIST_H
#define _LOOPER_LIST_H

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include <OS.h>

class BLooper;

namespace BPrivate {

class LooperPort;

class LooperList {
public:
	static std::shared_ptr<LooperPort> Add(BLooper* looper);
	static void Remove(int32 token);

	// Null when the looper (or token) is not live; a stale pointer is fine.
	static std::shared_ptr<LooperPort> PortFor(const BLooper* looper);
	static std::shared_ptr<LooperPort> PortFor(int32 token);
	static BLooper* LooperForThread(thread_id thread);
	// Locks the looper when it is live, like BLooper::Lock(), without even
	// a member call on it: for code that may hold a pointer to a looper
	// that is gone (calling a member of a deleted object is undefined).
	static bool Lock(const BLooper* looper);
	// The live loopers in the order they were built.
	static std::vector<BLooper*> Loopers();

	// True once everything is idle, false when the timeout (microseconds)
	// runs out first.
	static bool WaitForIdle(bigtime_t timeout);
	// The probe returns true while its owner has work pending; an empty
	// function removes it. The owner calls NoteActivity() when that work
	// is done, so that waiters look again at once (they also look again
	// every few milliseconds); the ports call it when they fall idle. It
	// costs nothing while nobody waits.
	static void SetIdleProbe(std::function<bool()> probe);
	static void NoteActivity();

	// Called by the ports: a looper's port is watched from the start of its
	// loop until it is closed with no message in hand.
	static void Watch(int32 token);
	static void Unwatch(int32 token);

private:
	// Each watched port's token and posted count, or nothing while one of
	// them has a message queued or in hand.
	using Activity = std::vector<std::pair<int32, uint64>>;

	LooperList();
	static LooperList& _Default();
	bool _IsIdle(const std::function<bool()>& probe);
	std::optional<Activity> _Activity();
	void _Changed();

	std::mutex fLock;
	std::condition_variable fIdleChanged;
	std::map<int32, std::shared_ptr<LooperPort>> fPorts;
	std::map<int32, std::shared_ptr<LooperPort>> fWatched;
	uint64 fGeneration;
	std::function<bool()> fIdleProbe;
	std::atomic<int32> fWaiters;
};

} // namespace BPrivate

#endif // _LOOPER_LIST_H
