#include "LooperList.h"

#include <chrono>

#include <Looper.h>

#include "LooperPort.h"
#include "TokenSpace.h"

namespace BPrivate {

// How often a waiter asks the idle probe again without being woken.
static const std::chrono::milliseconds kProbeInterval(5);

LooperList::LooperList() : fGeneration(0), fWaiters(0) {}

LooperList&
LooperList::_Default()
{
	// Never destroyed: looper threads may still finish while the process
	// exits.
	static LooperList* list = new LooperList;
	return *list;
}

std::shared_ptr<LooperPort>
LooperList::Add(BLooper* looper)
{
	LooperList& list = _Default();
	int32 token = TokenSpace::TokenOf(looper);
	auto port = std::make_shared<LooperPort>(token, looper);
	std::scoped_lock lock(list.fLock);
	list.fPorts.emplace(token, port);
	return port;
}

void
LooperList::Remove(int32 token)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	list.fPorts.erase(token);
}

std::shared_ptr<LooperPort>
LooperList::PortFor(const BLooper* looper)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	for (const auto& [token, port] : list.fPorts) {
		if (port->Looper() == looper)
			return port;
	}
	return nullptr;
}

std::shared_ptr<LooperPort>
LooperList::PortFor(int32 token)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	auto found = list.fPorts.find(token);
	return found != list.fPorts.end() ? found->second : nullptr;
}

bool
LooperList::Lock(const BLooper* looper)
{
	std::shared_ptr<LooperPort> port = PortFor(looper);
	return port != nullptr && port->Lock();
}

BLooper*
LooperList::LooperForThread(thread_id thread)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	for (const auto& [token, port] : list.fPorts) {
		if (port->Thread() == thread)
			return port->Looper();
	}
	return nullptr;
}

std::vector<BLooper*>
LooperList::Loopers()
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	std::vector<BLooper*> loopers;
	for (const auto& [token, port] : list.fPorts)
		loopers.push_back(port->Looper());
	return loopers;
}

bool
LooperList::WaitForIdle(bigtime_t timeout)
{
	LooperList& list = _Default();
	auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(timeout);
	// Counted before the first look: see NoteActivity().
	list.fWaiters++;
	bool idle = false;
	std::unique_lock lock(list.fLock);
	for (;;) {
		uint64 generation = list.fGeneration;
		std::function<bool()> probe = list.fIdleProbe;
		lock.unlock();
		idle = list._IsIdle(probe);
		lock.lock();
		auto now = std::chrono::steady_clock::now();
		if (idle || now >= deadline)
			break;
		list.fIdleChanged.wait_until(lock, std::min(deadline, now + kProbeInterval),
		                             [&] { return list.fGeneration != generation; });
	}
	list.fWaiters--;
	return idle;
}

// The ports are looked at twice, around the probe: the answer counts only
// if no running looper had anything queued or in hand either time and none
// was posted anything in between. So a message on its way from one looper
// (or from the display) to another while they are looked at is never
// missed: its sender was busy, or its receiver's count moved.
bool
LooperList::_IsIdle(const std::function<bool()>& probe)
{
	std::optional<Activity> before = _Activity();
	if (!before || (probe && probe()))
		return false;
	return _Activity() == before;
}

std::optional<LooperList::Activity>
LooperList::_Activity()
{
	std::vector<std::shared_ptr<LooperPort>> ports;
	{
		std::scoped_lock lock(fLock);
		for (const auto& [token, port] : fWatched)
			ports.push_back(port);
	}
	Activity activity;
	for (const std::shared_ptr<LooperPort>& port : ports) {
		uint64 posted;
		if (port->IsBusy(&posted))
			return std::nullopt;
		activity.emplace_back(port->Token(), posted);
	}
	return activity;
}

void
LooperList::SetIdleProbe(std::function<bool()> probe)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	list.fIdleProbe = std::move(probe);
	list._Changed();
}

void
LooperList::NoteActivity()
{
	LooperList& list = _Default();
	// A waiter counts itself before its first look, and whoever calls this
	// changed what it looks at before: either the waiter's look sees the
	// change or this sees the waiter. So the running program, where nobody
	// waits, never takes the list's lock here.
	if (list.fWaiters.load() == 0)
		return;
	std::scoped_lock lock(list.fLock);
	list._Changed();
}

void
LooperList::Watch(int32 token)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	auto found = list.fPorts.find(token);
	if (found != list.fPorts.end())
		list.fWatched.emplace(token, found->second);
	list._Changed();
}

void
LooperList::Unwatch(int32 token)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	list.fWatched.erase(token);
	list._Changed();
}

void
LooperList::_Changed()
{
	fGeneration++;
	fIdleChanged.notify_all();
}

} // namespace BPrivate
