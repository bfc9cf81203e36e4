// BHandler: an object that messages are delivered to. A handler belongs to
// at most one looper; a looper is itself a handler. A handler deleted while
// it belongs to a looper leaves it (the looper must be locked).
//
// Each handler has a token of its own, never used again once it is deleted:
// messengers and queued messages name the handler by it, so they reach
// nothing once it is gone, even a new handler at the same address.
#ifndef _HANDLER_H
#define _HANDLER_H

#include <atomic>
#include <string>

#include <SupportDefs.h>

class BLooper;
class BMessage;
namespace BPrivate {
class TokenSpace;
}

class BHandler {
public:
	explicit BHandler(const char* name = nullptr);
	virtual ~BHandler();
	BHandler(const BHandler&) = delete;
	BHandler& operator=(const BHandler&) = delete;

	// Default: hands the message to the next handler; the end of the chain
	// drops it.
	virtual void MessageReceived(BMessage* message);

	BLooper* Looper() const;
	const char* Name() const;
	void SetName(const char* name);

	BHandler* NextHandler() const;
	void SetNextHandler(BHandler* handler);

	// Locks this handler's looper, then checks that the handler still
	// belongs to it.
	bool LockLooper();
	void UnlockLooper();

private:
	friend class BLooper;
	friend class BPrivate::TokenSpace;

	std::string fName;
	std::atomic<BLooper*> fLooper;
	BHandler* fNextHandler;
	// Last: the handler is registered under it once the rest is built.
	const int32 fToken;
};

#endif // _HANDLER_H
