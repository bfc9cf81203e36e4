// BMessenger: the address of a handler in a looper. It stays safe to keep
// and to use after the looper is gone: sending then fails with B_BAD_VALUE.
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
	BHandler* Target(BLooper** looper) const;

	// Copies the message and posts it to the target's looper.
	status_t SendMessage(uint32 what) const;
	status_t SendMessage(BMessage* message) const;

private:
	BHandler* fHandler;
	int32 fLooperToken;
};

#endif // _MESSENGER_H
