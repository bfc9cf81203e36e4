#include "LooperPort.h"

#include "LooperList.h"

namespace BPrivate {

LooperPort::LooperPort(int32 token, BLooper* looper)
    : fToken(token), fLooper(looper), fThread(0), fOwner(find_thread(nullptr)), fOwnerCount(1),
      fRunning(false), fQuitting(false), fClosed(false), fFinished(false)
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
	return _Push(Envelope{message, target});
}

void
LooperPort::PostQuit()
{
	_Push(Envelope{BMessage(), fToken, true});
}

status_t
LooperPort::_Push(Envelope envelope)
{
	std::scoped_lock lock(fMutex);
	if (fClosed)
		return B_BAD_VALUE;
	fQueue.push_back(std::move(envelope));
	if (fRunning)
		LooperList::AddPending(1);
	fChanged.notify_all();
	return B_OK;
}

void
LooperPort::Start(thread_id thread)
{
	std::scoped_lock lock(fMutex);
	fThread = thread;
	fRunning = true;
	LooperList::AddPending((int32)fQueue.size());
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
	fChanged.wait(lock, [this] { return fClosed || !fQueue.empty(); });
	if (fClosed)
		return false;
	*envelope = std::move(fQueue.front());
	fQueue.pop_front();
	return true;
}

void
LooperPort::Done()
{
	LooperList::AddPending(-1);
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
		if (fRunning)
			LooperList::AddPending(-(int32)fQueue.size());
		dropped.swap(fQueue);
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
