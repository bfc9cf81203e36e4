// BMessageRunner: sends a copy of a message to a target every interval,
// count times, or for as long as it lives when count is below 0. The first
// copy goes one interval after the runner is made.
//
// Threads: the copies are sent from a thread of the runner's own. Deleting
// the runner stops it: no copy is sent once the destructor has returned.
// It may be deleted from any thread, the target's included.
#ifndef _MESSAGE_RUNNER_H
#define _MESSAGE_RUNNER_H

#include <condition_variable>
#include <mutex>
#include <thread>

#include <Message.h>
#include <Messenger.h>
#include <OS.h>

class BMessageRunner {
public:
	BMessageRunner(BMessenger target, const BMessage* message, bigtime_t interval,
	               int32 count = -1);
	~BMessageRunner();
	BMessageRunner(const BMessageRunner&) = delete;
	BMessageRunner& operator=(const BMessageRunner&) = delete;

	// B_BAD_VALUE for an invalid target, no message or an interval that is
	// not positive: such a runner sends nothing.
	status_t InitCheck() const;

private:
	void _Run();

	BMessenger fTarget;
	BMessage fMessage;
	bigtime_t fInterval;
	int32 fCount;
	status_t fStatus;
	std::mutex fLock;
	std::condition_variable fStopped;
	bool fStopping;
	std::thread fThread;
};

#endif // _MESSAGE_RUNNER_H
