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
// Quit() from the looper's own thread ends the loop at once and deletes the
// looper; from another thread it lets the queued messages be handled first,
// waits for the thread to end and deletes the looper.
#ifndef _LOOPER_H
#define _LOOPER_H

#include <Handler.h>
#include <OS.h>

class BMessage;

class BLooper : public BHandler {
public:
	explicit BLooper(const char* name = nullptr);
	~BLooper() override;

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

	// Lock() is false when the looper no longer exists (a stale pointer
	// is fine to pass) or is quitting.
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
	struct Private;
	Private* fPrivate;
};

#endif // _LOOPER_H
