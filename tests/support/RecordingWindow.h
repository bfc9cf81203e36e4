// RecordingWindow: a window for tests that logs a copy of every message
// that reaches its MessageReceived() into a MessageLog (the display's own
// input and updates never get there), then runs an optional action on it in
// the window's thread, with the window locked.
#ifndef RECORDING_WINDOW_H
#define RECORDING_WINDOW_H

#include <functional>
#include <memory>

#include <Window.h>

#include "MessageLog.h"

class RecordingWindow : public BWindow {
public:
	using Action = std::function<void(BMessage* message)>;

	RecordingWindow(std::shared_ptr<MessageLog> log, const char* title,
	                BRect frame = BRect(100, 100, 399, 299),
	                window_feel feel = B_NORMAL_WINDOW_FEEL, uint32 flags = 0);
	~RecordingWindow() override;

	void MessageReceived(BMessage* message) override;
	// Set before the window runs, or with the window locked.
	void SetAction(Action action);

private:
	std::shared_ptr<MessageLog> fLog;
	Action fAction;
};

#endif // RECORDING_WINDOW_H
