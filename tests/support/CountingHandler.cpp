#include "CountingHandler.h"

#include <Message.h>

CountingHandler::CountingHandler(uint32 what) : fWhat(what), fCount(0) {}

void
CountingHandler::MessageReceived(BMessage* message)
{
	if (message->what == fWhat)
		fCount++;
	BHandler::MessageReceived(message);
}

int
CountingHandler::Count() const
{
	return fCount;
}
