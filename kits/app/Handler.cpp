#include <Handler.h>

#include <Looper.h>

#include <TokenSpace.h>

using BPrivate::TokenSpace;

BHandler::BHandler(const char* name)
    : fName(name != nullptr ? name : ""), fLooper(nullptr), fNextHandler(nullptr),
      fToken(TokenSpace::NewToken(this))
{
}

BHandler::~BHandler()
{
	TokenSpace::RemoveToken(fToken);
	BLooper* looper = fLooper;
	if (looper != nullptr && looper != this)
		looper->RemoveHandler(this);
}

void
BHandler::MessageReceived(BMessage* message)
{
	if (fNextHandler != nullptr)
		fNextHandler->MessageReceived(message);
}

BLooper*
BHandler::Looper() const
{
	return fLooper;
}

const char*
BHandler::Name() const
{
	return fName.c_str();
}

void
BHandler::SetName(const char* name)
{
	fName = name != nullptr ? name : "";
}

BHandler*
BHandler::NextHandler() const
{
	return fNextHandler;
}

void
BHandler::SetNextHandler(BHandler* handler)
{
	fNextHandler = handler;
}

bool
BHandler::LockLooper()
{
	BLooper* looper = fLooper;
	if (looper == nullptr || !looper->Lock())
		return false;
	if (fLooper != looper) {
		looper->Unlock();
		return false;
	}
	return true;
}

void
BHandler::UnlockLooper()
{
	BLooper* looper = fLooper;
	if (looper != nullptr)
		looper->Unlock();
}
