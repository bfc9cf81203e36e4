// RecordingLooper: a looper for tests that logs a copy of every message it
// handles into a MessageLog, then runs an optional action on it in the
// looper's thread, with the looper locked. Its deletion is logged too.
#ifndef RECORDING_LOOPER_H
#define RECORDING_LOOPER_H

#include <functional>
#include <memory>

#include <Looper.h>

#include "MessageLog.h"

class RecordingLooper : public BLooper {
public:
	using Action = std::function<void(RecordingLooper* looper, BMessage* message)>;

	explicit RecordingLooper(std::shared_ptr<MessageLog> log, Action action = nullptr,
	                         const char* name = "recorder");
	~RecordingLooper() override;

	void MessageReceived(BMessage* message) override;

private:
	std::shared_ptr<MessageLog> fLog;
	Action fAction;
};

#endif // RECORDING_LOOPER_H
