#include "LooperList.h"

#include <chrono>

#include <Looper.h>

#include "LooperPort.h"
#include "TokenSpace.h"

namespace BPrivate {

// How often a waiter asks the idle probe again without being woken.
static const std::chrono::milliseconds kProbeInterval(5);

LooperList::LooperList() : fPending(0), fGeneration(0) {}

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
	std::unique_lock lock(list.fLock);
	for (;;) {
		if (list.fPending == 0) {
			// The probe runs unlocked; nothing may have been posted or noted
			// meanwhile for the answer to count.
			uint64 generation = list.fGeneration;
			std::function<bool()> probe = list.fIdleProbe;
			lock.unlock();
			bool busy = probe && probe();
			lock.lock();
			if (!busy && list.fPending == 0 && list.fGeneration == generation)
				return true;
		}
		auto now = std::chrono::steady_clock::now();
		if (now >= deadline)
			return false;
		list.fIdleChanged.wait_until(lock, std::min(deadline, now + kProbeInterval));
	}
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
	std::scoped_lock lock(list.fLock);
	list._Changed();
}

void
LooperList::AddPending(int32 count)
{
	LooperList& list = _Default();
	std::scoped_lock lock(list.fLock);
	list.fPending += count;
	list._Changed();
}

void
LooperList::_Changed()
{
	fGeneration++;
	fIdleChanged.notify_all();
}

} // namespace BPrivate
