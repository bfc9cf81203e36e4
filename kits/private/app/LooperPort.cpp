#include "LooperPort.h"

#include "LooperList.h"

namespace BPrivate {

LooperPort::LooperPort(int32 token, BLooper* looper)
    : fToken(token), fLooper(looper), fThread(0), fOwner(find_thread(nullptr)), fOwnerCount(1),
      fPosted(0), fInHand(false), fWatched(false), fRunning(false), fQuitting(false),
      fClosed(false), fFinished(false)
{
}

bool
LooperPort::Lock()
{
	thread_id self = find_thread(nullptr);
	std::unique_lock lock(fMutex);
	if (fOwner == self) {
		fOwnerCount++;
		return true;
	}
	for (;;) {
		if (fClosed || (fQuitting && self != fThread))
			return false;
		if (fOwner < 0) {
			fOwner = self;
			fOwnerCount = 1;
			return true;
		}
		fChanged.wait(lock);
	}
}

void
LooperPort::Unlock()
{
	std::scoped_lock lock(fMutex);
	if (fOwner != find_thread(nullptr))
		return;
	if (--fOwnerCount == 0) {
		fOwner = -1;
		fChanged.notify_all();
	}
}

bool
LooperPort::IsLocked() const
{
	std::scoped_lock lock(fMutex);
	return fOwner == find_thread(nullptr);
}

int32
LooperPort::CountLocks() const
{
	std::scoped_lock lock(fMutex);
	return fOwnerCount;
}

status_t
LooperPort::Post(const BMessage& message, int32 target)
{
	Envelope envelope{message, target};
	{
		std::scoped_lock lock(fMutex);
		if (!_Push(std::move(envelope)))
			return B_BAD_VALUE;
	}
	// Past the mutex, so that the looper's thread, once woken, does not
	// find it still held. The caller holds the port, so it is still there.
	fQueued.notify_one();
	return B_OK;
}

void
LooperPort::PostQuit()
{
	// Under the mutex: once the quit is taken, the looper, and with it the
	// port, may go.
	Envelope quit{BMessage(), fToken, true};
	std::scoped_lock lock(fMutex);
	if (_Push(std::move(quit)))
		fQueued.notify_one();
}

bool
LooperPort::_Push(Envelope envelope)
{
	if (fClosed)
		return false;
	fQueue.push_back(std::move(envelope));
	fPosted++;
	return true;
}

void
LooperPort::Start(thread_id thread)
{
	std::scoped_lock lock(fMutex);
	fThread = thread;
	fRunning = true;
	fWatched = true;
	LooperList::Watch(fToken);
	fChanged.notify_all();
}

bool
LooperPort::IsRunning() const
{
	std::scoped_lock lock(fMutex);
	return fRunning;
}

thread_id
LooperPort::WaitForThread()
{
	std::unique_lock lock(fMutex);
	fChanged.wait(lock, [this] { return fRunning; });
	return fThread;
}

bool
LooperPort::Next(Envelope* envelope)
{
	std::unique_lock lock(fMutex);
	fQueued.wait(lock, [this] { return fClosed || !fQueue.empty(); });
	if (fClosed)
		return false;
	*envelope = std::move(fQueue.front());
	fQueue.pop_front();
	fInHand = true;
	return true;
}

void
LooperPort::Done()
{
	bool idle;
	{
		std::scoped_lock lock(fMutex);
		fInHand = false;
		_Unwatch();
		idle = fQueue.empty();
	}
	if (idle)
		LooperList::NoteActivity();
}

bool
LooperPort::IsBusy(uint64* posted) const
{
	std::scoped_lock lock(fMutex);
	*posted = fPosted;
	return fInHand || !fQueue.empty();
}

void
LooperPort::_Unwatch()
{
	if (!fWatched || !fClosed || fInHand)
		return;
	fWatched = false;
	LooperList::Unwatch(fToken);
}

void
LooperPort::SetQuitting()
{
	std::scoped_lock lock(fMutex);
	fQuitting = true;
	fChanged.notify_all();
}

bool
LooperPort::IsQuitting() const
{
	std::scoped_lock lock(fMutex);
	return fQuitting;
}

void
LooperPort::Close()
{
	std::deque<Envelope> dropped;
	{
		std::scoped_lock lock(fMutex);
		fClosed = true;
		fQuitting = true;
		dropped.swap(fQueue);
		// With a message in hand, Done() does it.
		_Unwatch();
		fQueued.notify_all();
		fChanged.notify_all();
	}
}

void
LooperPort::Finish()
{
	std::scoped_lock lock(fMutex);
	fFinished = true;
	fChanged.notify_all();
}

void
LooperPort::WaitFinished()
{
	std::unique_lock lock(fMutex);
	fChanged.wait(lock, [this] { return fFinished; });
}

} // namespace BPrivate
