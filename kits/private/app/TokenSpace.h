// TokenSpace: the numbers that name the kits' objects across threads and to
// the display, one space for all: every handler (so every looper, window and
// view) and every menu item. A handler takes its token when it is built and
// gives it back when it is deleted. A token is never handed out twice, so a
// token kept after its object is gone names nothing, even once a new object
// has taken the old one's address.
//
// Messengers and queued messages name their handler by token; the looper
// finds it among its own handlers at dispatch, under its lock, so this
// space is not on the way of a message. Handler() serves the rest
// (BMessenger::Target()).
//
// Threads: every function may be called from any thread.
#ifndef _TOKEN_SPACE_H
#define _TOKEN_SPACE_H

#include <atomic>
#include <mutex>
#include <unordered_map>

#include <SupportDefs.h>

class BHandler;
class BLooper;

namespace BPrivate {

class TokenSpace {
public:
	// Names nothing: tokens start at 1.
	static constexpr int32 kNoToken = 0;

	// A token for an object that is not a handler (a menu item).
	static int32 NewToken();
	// A token that names the handler until RemoveToken().
	static int32 NewToken(BHandler* handler);
	static void RemoveToken(int32 token);

	// The handler the token names while it belongs to the looper; null
	// otherwise. The pointer stays valid only while the caller keeps the
	// handler alive (for one that belongs to a looper, by its lock).
	static BHandler* Handler(int32 token, const BLooper* looper);

	static int32 TokenOf(const BHandler* handler);

private:
	TokenSpace() = default;
	static TokenSpace& _Default();

	std::atomic<int32> fNextToken{1};
	std::mutex fLock;
	std::unordered_map<int32, BHandler*> fHandlers;
};

} // namespace BPrivate

#endif // _TOKEN_SPACE_H
