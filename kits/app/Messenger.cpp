#include <Messenger.h>

#include <Handler.h>
#include <Looper.h>
#include <Message.h>

#include <LooperList.h>
#include <LooperPort.h>
#include <TokenSpace.h>

using BPrivate::LooperList;
using BPrivate::LooperPort;
using BPrivate::TokenSpace;

BMessenger::BMessenger() : fHandlerToken(TokenSpace::kNoToken), fLooperToken(TokenSpace::kNoToken)
{
}

BMessenger::BMessenger(const BHandler* handler, const BLooper* looper, status_t* result)
    : BMessenger()
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
		fLooperToken = port->Token();
		fHandlerToken = handler != nullptr ? TokenSpace::TokenOf(handler) : fLooperToken;
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
	return fLooperToken == other.fLooperToken && fHandlerToken == other.fHandlerToken;
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
	return TokenSpace::Handler(fHandlerToken, target);
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
	return port->Post(*message, fHandlerToken);
}
