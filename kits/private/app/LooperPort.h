// LooperPort: what other threads reach of a looper, its message queue and
// its lock. It is shared (std::shared_ptr) by the looper, the looper list and
// any thread blocked on it, so it outlives the looper: once closed, posting
// and locking fail instead of touching freed memory.
//
// The lock is recursive and owned by a thread. While the looper is quitting,
// only its own thread, or a thread that already holds the lock, can lock it.
// Everything here is guarded by one mutex, never held while a message is
// handled.
#ifndef _LOOPER_PORT_H
#define _LOOPER_PORT_H

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

#include <Message.h>
#include <OS.h>

#include "TokenSpace.h"

class BLooper;

namespace BPrivate {

class LooperPort {
public:
	// A message and the token of the handler it is addressed to, or the
	// order to quit, queued behind the messages before it.
	struct Envelope {
		BMessage message;
		int32 target = TokenSpace::kNoToken;
		bool quit = false;
	};

	// Born locked by the calling thread.
	LooperPort(int32 token, BLooper* looper);

	int32
	Token() const
	{
		return fToken;
	}
	BLooper*
	Looper() const
	{
		return fLooper;
	}
	thread_id
	Thread() const
	{
		return fThread;
	}

	bool Lock();
	void Unlock();
	bool IsLocked() const;
	int32 CountLocks() const;

	// B_BAD_VALUE once closed.
	status_t Post(const BMessage& message, int32 target);
	void PostQuit();

	// The looper's thread: Start() once, then Next() blocks for each message
	// and Done() follows its handling. From Start() until it is closed with
	// no message in hand, the port is watched by the looper list's wait
	// for idleness.
	void Start(thread_id thread);
	bool IsRunning() const;
	thread_id WaitForThread();
	bool Next(Envelope* envelope);
	void Done();
	// For the wait for idleness: true while a message is queued or in hand;
	// *posted: how many were ever posted.
	bool IsBusy(uint64* posted) const;

	// Quitting: from now on only the owner and the looper's thread lock it.
	void SetQuitting();
	bool IsQuitting() const;
	// Drops the queue; posting and locking fail from now on.
	void Close();
	// The looper's thread has ended; WaitFinished() returns at once after.
	void Finish();
	void WaitFinished();

private:
	// Under the mutex: queues it, false once closed.
	bool _Push(Envelope envelope);
	// Under the mutex: a closed port with no message in hand leaves the
	// looper list's watch.
	void _Unwatch();

	const int32 fToken;
	BLooper* const fLooper;
	std::atomic<thread_id> fThread;

	mutable std::mutex fMutex;
	// The looper's thread waits on fQueued alone, so that the lock's comings
	// and goings (another thread's Lock() and Unlock()) do not wake it.
	std::condition_variable fQueued;
	std::condition_variable fChanged;
	thread_id fOwner;
	int32 fOwnerCount;
	std::deque<Envelope> fQueue;
	uint64 fPosted;
	bool fInHand;
	bool fWatched;
	bool fRunning;
	bool fQuitting;
	bool fClosed;
	bool fFinished;
};

} // namespace BPrivate

#endif // _LOOPER_PORT_H
