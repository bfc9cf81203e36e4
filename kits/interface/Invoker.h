// BInvoker: a message and a target to send copies of it to.
//
// Ownership: SetMessage() takes the message and deletes the previous one.
// Threads: an invoker is used by one thread at a time (a control's window
// thread, or a thread that locked that window).
#ifndef _INVOKER_H
#define _INVOKER_H

#include <optional>

#include <Message.h>
#include <Messenger.h>
#include <SupportDefs.h>

class BHandler;
class BLooper;

class BInvoker {
public:
	BInvoker();
	BInvoker(BMessage* message, const BHandler* handler, const BLooper* looper = nullptr);
	BInvoker(BMessage* message, BMessenger target);
	virtual ~BInvoker();
	BInvoker(const BInvoker&) = delete;
	BInvoker& operator=(const BInvoker&) = delete;

	virtual status_t SetMessage(BMessage* message);
	BMessage* Message() const;
	uint32 Command() const;

	// B_BAD_VALUE when the handler belongs to no looper yet,
	// B_MISMATCHED_VALUES when it belongs to another looper than the one
	// given; the target is then cleared. A null handler with a looper aims
	// at the looper; both null clear the target.
	virtual status_t SetTarget(const BHandler* handler, const BLooper* looper = nullptr);
	virtual status_t SetTarget(BMessenger messenger);
	BHandler* Target(BLooper** looper = nullptr) const;
	BMessenger Messenger() const;
	bool IsTargetLocal() const;

	// Sends a copy of the message (or of the invoker's own) to the target.
	// B_BAD_VALUE without a message.
	virtual status_t Invoke(BMessage* message = nullptr);

protected:
	// A copy of the message, or of the invoker's own, with "when" (int64,
	// microseconds) and "source" (pointer) added; nothing without a message.
	std::optional<BMessage> Invocation(BMessage* message, const void* source) const;

private:
	BMessage* fMessage;
	BMessenger fMessenger;
};

#endif // _INVOKER_H
