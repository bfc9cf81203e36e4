#include <MessageRunner.h>

#include <chrono>

BMessageRunner::BMessageRunner(BMessenger target, const BMessage* message, bigtime_t interval,
                               int32 count)
    : fTarget(target), fMessage(message != nullptr ? *message : BMessage()), fInterval(interval),
      fCount(count), fStatus(B_OK), fStopping(false)
{
	if (!target.IsValid() || message == nullptr || interval <= 0) {
		fStatus = B_BAD_VALUE;
		return;
	}
	fThread = std::thread(&BMessageRunner::_Run, this);
}

BMessageRunner::~BMessageRunner()
{
	{
		std::scoped_lock lock(fLock);
		fStopping = true;
	}
	fStopped.notify_all();
	if (fThread.joinable())
		fThread.join();
}

status_t
BMessageRunner::InitCheck() const
{
	return fStatus;
}

void
BMessageRunner::_Run()
{
	// Each copy is due a whole number of intervals after the start, so a
	// late copy does not put off the ones after it.
	auto due = std::chrono::steady_clock::now();
	std::unique_lock lock(fLock);
	for (int32 sent = 0; fCount < 0 || sent < fCount; sent++) {
		due += std::chrono::microseconds(fInterval);
		if (fStopped.wait_until(lock, due, [this] { return fStopping; }))
			return;
		// Sent with the lock held: once the destructor holds it, nothing
		// more goes out.
		fTarget.SendMessage(&fMessage);
	}
}
