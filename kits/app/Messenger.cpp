#include <Messenger.h>

#include <Handler.h>
#include <Looper.h>
#include <Message.h>

#include <LooperList.h>
#include <LooperPort.h>

using BPrivate::LooperList;
using BPrivate::LooperPort;

BMessenger::BMessenger() : fHandler(nullptr), fLooperToken(-1) {}

BMessenger::BMessenger(const BHandler* handler, const BLooper* looper, status_t* result)
    : fHandler(nullptr), fLooperToken(-1)
{
	status_t status = B_OK;
	if (handler != nullptr) {
		BLooper* owner = handler->Looper();
		if (owner == nullptr)
			status = B_BAD_HANDLER;
		else if (looper != nullptr && looper != owner)
			status = B_MISMATCHED_VALUES;
		else
			looper = owner;
	} else if (looper == nullptr)
		status = B_BAD_VALUE;

	std::shared_ptr<LooperPort> port;
	if (status == B_OK) {
		port = LooperList::PortFor(looper);
		if (port == nullptr)
			status = B_BAD_VALUE;
	}
	if (status == B_OK) {
		// Aimed at the looper itself: no handler to check at delivery.
		fHandler = handler != looper ? const_cast<BHandler*>(handler) : nullptr;
		fLooperToken = port->Token();
	}
	if (result != nullptr)
		*result = status;
}

BMessenger::BMessenger(const BMessenger& other) = default;

BMessenger& BMessenger::operator=(const BMessenger& other) = default;

BMessenger::~BMessenger() {}

bool
BMessenger::operator==(const BMessenger& other) const
{
	return fLooperToken == other.fLooperToken && fHandler == other.fHandler;
}

bool
BMessenger::operator!=(const BMessenger& other) const
{
	return !(*this == other);
}

bool
BMessenger::IsValid() const
{
	std::shared_ptr<LooperPort> port = LooperList::PortFor(fLooperToken);
	return port != nullptr && !port->IsQuitting();
}

bool
BMessenger::IsTargetLocal() const
{
	// Every looper lives in this process.
	return IsValid();
}

BHandler*
BMessenger::Target(BLooper** looper) const
{
	std::shared_ptr<LooperPort> port = LooperList::PortFor(fLooperToken);
	BLooper* target = port != nullptr ? port->Looper() : nullptr;
	if (looper != nullptr)
		*looper = target;
	if (target == nullptr)
		return nullptr;
	return fHandler != nullptr ? fHandler : target;
}

status_t
BMessenger::SendMessage(uint32 what) const
{
	BMessage message(what);
	return SendMessage(&message);
}

status_t
BMessenger::SendMessage(BMessage* message) const
{
	std::shared_ptr<LooperPort> port = LooperList::PortFor(fLooperToken);
	if (port == nullptr || message == nullptr)
		return B_BAD_VALUE;
	return port->Post(*message, fHandler);
}
