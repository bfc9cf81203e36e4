// BMessenger: the address of a handler in a looper, by their tokens. It
// stays safe to keep and to use after the looper is gone: sending then fails
// with B_BAD_VALUE. A message sent while the looper lives goes to its queue
// and reaches the handler only if, when its turn comes, the handler still
// belongs to that looper; one sent to a handler that is gone reaches
// nothing, not even a new handler built at the same address.
#ifndef _MESSENGER_H
#define _MESSENGER_H

#include <SupportDefs.h>

class BHandler;
class BLooper;
class BMessage;

class BMessenger {
public:
	BMessenger();
	// Aims at the handler (in its looper) or, with a null handler, at the
	// looper. *result: B_OK, or B_BAD_VALUE / B_BAD_HANDLER.
	BMessenger(const BHandler* handler, const BLooper* looper = nullptr,
	           status_t* result = nullptr);
	BMessenger(const BMessenger& other);
	BMessenger& operator=(const BMessenger& other);
	~BMessenger();

	bool operator==(const BMessenger& other) const;
	bool operator!=(const BMessenger& other) const;

	bool IsValid() const;
	bool IsTargetLocal() const;
	// The handler while it belongs to the looper, else null; *looper: the
	// looper while it lives, else null. The pointers may go stale at once
	// unless the caller holds the looper's lock or runs in its thread.
	BHandler* Target(BLooper** looper) const;

	// Copies the message and posts it to the target's looper.
	status_t SendMessage(uint32 what) const;
	status_t SendMessage(BMessage* message) const;

private:
	int32 fHandlerToken;
	int32 fLooperToken;
};

#endif // _MESSENGER_H
