// BLooper: a thread with a message queue. Messages are handled one at a time,
// in the order they were posted, with the looper locked.
//
// Threads and locks: the lock is recursive and owned by a thread. A new
// looper is locked by the thread that constructed it; Run() starts the
// looper's thread and releases that lock. The looper's thread holds the lock
// while it dispatches a message. Messages are taken out of the queue under
// the queue's own lock and delivered after releasing it.
//
// Lifetime: a running looper is never deleted directly; Quit() ends it.
// Quit() must be called with the looper locked. From the looper's own thread
// it ends the loop at once: the queued messages are dropped and the looper
// is deleted, in its thread, as soon as the message being handled returns
// (Quit() itself returns, unlike on BeOS: touch nothing of the looper after
// it). From another thread it fully unlocks, lets the queued messages be
// handled first, and returns once the looper's thread has deleted the
// looper and ended; QuitRequested() is not asked. A looper that never ran is
// deleted at once by Quit().
//
// Handlers are added and removed with the looper locked. A message posted to
// a handler names it by its token; the looper looks the token up among its
// handlers when the message's turn comes, with the looper locked, and drops
// the message when the handler has left the looper or is gone.
#ifndef _LOOPER_H
#define _LOOPER_H

#include <map>
#include <memory>

#include <Handler.h>
#include <OS.h>

class BMessage;
namespace BPrivate {
class LooperPort;
}

class BLooper : public BHandler {
public:
	explicit BLooper(const char* name = nullptr);
	~BLooper() override;

	// Starts the looper's thread and releases the lock the constructing
	// thread holds. Returns the thread's id; B_ERROR when already running.
	virtual thread_id Run();
	virtual void Quit();
	// Default: true.
	virtual bool QuitRequested();

	// Copies the message; the caller keeps its own. The target is the
	// looper itself, or the given handler, which must belong to it.
	// B_BAD_VALUE for a looper that has quit.
	status_t PostMessage(uint32 what);
	status_t PostMessage(BMessage* message);
	status_t PostMessage(BMessage* message, BHandler* handler);

	// B_QUIT_REQUESTED addressed to the looper asks QuitRequested() and
	// quits when it agrees; everything else goes to the handler's
	// MessageReceived().
	virtual void DispatchMessage(BMessage* message, BHandler* handler);
	void MessageReceived(BMessage* message) override;

	// Lock() is false when the looper no longer exists or is quitting; it
	// reads nothing of a deleted looper (but see LooperList::Lock()).
	bool Lock();
	void Unlock();
	bool IsLocked() const;
	int32 CountLocks() const;

	thread_id Thread() const;
	BMessage* CurrentMessage() const;

	void AddHandler(BHandler* handler);
	bool RemoveHandler(BHandler* handler);

	static BLooper* LooperForThread(thread_id thread);

private:
	friend class BApplication;

	bool _Loop();
	void _Dispatch(BMessage* message, int32 target);
	static void _ThreadMain(BLooper* looper, std::shared_ptr<BPrivate::LooperPort> port);

	std::shared_ptr<BPrivate::LooperPort> fPort;
	// By token.
	std::map<int32, BHandler*> fHandlers;
	BMessage* fCurrentMessage;
	bool fTerminating;
};

#endif // _LOOPER_H
