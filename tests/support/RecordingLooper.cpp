#include "RecordingLooper.h"

RecordingLooper::RecordingLooper(std::shared_ptr<MessageLog> log, Action action, const char* name)
    : BLooper(name), fLog(std::move(log)), fAction(std::move(action))
{
}

RecordingLooper::~RecordingLooper()
{
	fLog->MarkDeleted();
}

void
RecordingLooper::MessageReceived(BMessage* message)
{
	fLog->Add(*message);
	if (fAction)
		fAction(this, message);
}
