#include "RecordingWindow.h"

RecordingWindow::RecordingWindow(std::shared_ptr<MessageLog> log, const char* title, BRect frame,
                                 window_feel feel, uint32 flags)
    : BWindow(frame, title, B_TITLED_WINDOW_LOOK, feel, flags), fLog(std::move(log))
{
}

RecordingWindow::~RecordingWindow()
{
	fLog->MarkDeleted();
}

void
RecordingWindow::MessageReceived(BMessage* message)
{
	fLog->Add(*message);
	if (fAction)
		fAction(message);
}

void
RecordingWindow::SetAction(Action action)
{
	fAction = std::move(action);
}
