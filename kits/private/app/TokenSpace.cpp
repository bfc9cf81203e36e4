#include "TokenSpace.h"

#include <Handler.h>

namespace BPrivate {

TokenSpace&
TokenSpace::_Default()
{
	// Never destroyed: handlers may still be deleted while the process
	// exits.
	static TokenSpace* space = new TokenSpace;
	return *space;
}

int32
TokenSpace::NewToken()
{
	return _Default().fNextToken.fetch_add(1, std::memory_order_relaxed);
}

int32
TokenSpace::NewToken(BHandler* handler)
{
	TokenSpace& space = _Default();
	int32 token = NewToken();
	std::scoped_lock lock(space.fLock);
	space.fHandlers.emplace(token, handler);
	return token;
}

void
TokenSpace::RemoveToken(int32 token)
{
	TokenSpace& space = _Default();
	std::scoped_lock lock(space.fLock);
	space.fHandlers.erase(token);
}

BHandler*
TokenSpace::Handler(int32 token, const BLooper* looper)
{
	TokenSpace& space = _Default();
	// A handler leaves the space first thing in its destructor: while it is
	// found here, under the lock, its looper can be read.
	std::scoped_lock lock(space.fLock);
	auto found = space.fHandlers.find(token);
	if (found == space.fHandlers.end() || found->second->Looper() != looper)
		return nullptr;
	return found->second;
}

int32
TokenSpace::TokenOf(const BHandler* handler)
{
	return handler->fToken;
}

} // namespace BPrivate
