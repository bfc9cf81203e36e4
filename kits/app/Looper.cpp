#include <Looper.h>

#include <thread>

#include <Message.h>

#include <LooperList.h>
#include <LooperPort.h>

using BPrivate::LooperList;
using BPrivate::LooperPort;

BLooper::BLooper(const char* name)
    : BHandler(name), fPort(LooperList::Add(this)), fCurrentMessage(nullptr), fTerminating(false)
{
	AddHandler(this);
}

BLooper::~BLooper()
{
	fPort->Close();
	LooperList::Remove(fToken);
	for (const auto& [token, handler] : fHandlers) {
		handler->fLooper = nullptr;
		if (handler != this)
			handler->fNextHandler = nullptr;
	}
}

thread_id
BLooper::Run()
{
	if (fPort->IsRunning())
		return B_ERROR;
	std::thread(_ThreadMain, this, fPort).detach();
	thread_id thread = fPort->WaitForThread();
	if (fPort->IsLocked())
		fPort->Unlock();
	return thread;
}

void
BLooper::_ThreadMain(BLooper* looper, std::shared_ptr<LooperPort> port)
{
	port->Start(find_thread(nullptr));
	if (looper->_Loop()) {
		port->Close();
		delete looper;
		port->Done();
	}
	port->Finish();
}

// Handles messages until the looper quits, then returns true, holding the
// lock, with the last message taken still counted as pending. False when
// the port was closed under the loop.
bool
BLooper::_Loop()
{
	for (;;) {
		LooperPort::Envelope envelope;
		if (!fPort->Next(&envelope))
			return false;
		fPort->Lock();
		if (envelope.quit)
			return true;
		_Dispatch(&envelope.message, envelope.target);
		if (fTerminating)
			return true;
		fPort->Unlock();
		fPort->Done();
	}
}

void
BLooper::_Dispatch(BMessage* message, int32 target)
{
	auto found = fHandlers.find(target);
	if (found == fHandlers.end())
		return;
	fCurrentMessage = message;
	DispatchMessage(message, found->second);
	fCurrentMessage = nullptr;
}

void
BLooper::Quit()
{
	if (fPort->Thread() == find_thread(nullptr)) {
		fPort->SetQuitting();
		fTerminating = true;
		return;
	}
	if (!fPort->IsRunning()) {
		delete this;
		return;
	}
	std::shared_ptr<LooperPort> port = fPort;
	port->SetQuitting();
	port->PostQuit();
	while (port->IsLocked())
		port->Unlock();
	port->WaitFinished();
}

bool
BLooper::QuitRequested()
{
	return true;
}

status_t
BLooper::PostMessage(uint32 what)
{
	BMessage message(what);
	return PostMessage(&message, this);
}

status_t
BLooper::PostMessage(BMessage* message)
{
	return PostMessage(message, this);
}

status_t
BLooper::PostMessage(BMessage* message, BHandler* handler)
{
	// This looper may be gone: reach it only through the list.
	std::shared_ptr<LooperPort> port = LooperList::PortFor(this);
	if (port == nullptr || message == nullptr)
		return B_BAD_VALUE;
	if (handler != nullptr && handler->Looper() != this)
		return B_MISMATCHED_VALUES;
	return port->Post(*message, handler != nullptr ? handler->fToken : port->Token());
}

void
BLooper::DispatchMessage(BMessage* message, BHandler* handler)
{
	if (message->what == B_QUIT_REQUESTED && handler == this) {
		if (QuitRequested())
			Quit();
		return;
	}
	handler->MessageReceived(message);
}

void
BLooper::MessageReceived(BMessage* message)
{
	BHandler::MessageReceived(message);
}

bool
BLooper::Lock()
{
	return LooperList::Lock(this);
}

void
BLooper::Unlock()
{
	fPort->Unlock();
}

bool
BLooper::IsLocked() const
{
	return fPort->IsLocked();
}

int32
BLooper::CountLocks() const
{
	return fPort->CountLocks();
}

thread_id
BLooper::Thread() const
{
	return fPort->Thread();
}

BMessage*
BLooper::CurrentMessage() const
{
	return fCurrentMessage;
}

void
BLooper::AddHandler(BHandler* handler)
{
	if (handler == nullptr || handler->Looper() != nullptr)
		return;
	fHandlers.emplace(handler->fToken, handler);
	handler->fLooper = this;
	if (handler != this)
		handler->fNextHandler = this;
}

bool
BLooper::RemoveHandler(BHandler* handler)
{
	if (handler == nullptr || handler == this)
		return false;
	auto found = fHandlers.find(handler->fToken);
	if (found == fHandlers.end())
		return false;
	fHandlers.erase(found);
	handler->fLooper = nullptr;
	handler->fNextHandler = nullptr;
	return true;
}

BLooper*
BLooper::LooperForThread(thread_id thread)
{
	return LooperList::LooperForThread(thread);
}
