#include <Invoker.h>

#include <chrono>

#include <Handler.h>
#include <Looper.h>
#include <Message.h>

BInvoker::BInvoker() : fMessage(nullptr) {}

BInvoker::BInvoker(BMessage* message, const BHandler* handler, const BLooper* looper)
    : fMessage(message)
{
	SetTarget(handler, looper);
}

BInvoker::BInvoker(BMessage* message, BMessenger target) : fMessage(message), fMessenger(target) {}

BInvoker::~BInvoker()
{
	delete fMessage;
}

status_t
BInvoker::SetMessage(BMessage* message)
{
	if (message != fMessage)
		delete fMessage;
	fMessage = message;
	return B_OK;
}

BMessage*
BInvoker::Message() const
{
	return fMessage;
}

uint32
BInvoker::Command() const
{
	return fMessage != nullptr ? fMessage->what : 0;
}

status_t
BInvoker::SetTarget(const BHandler* handler, const BLooper* looper)
{
	fMessenger = BMessenger();
	if (handler == nullptr) {
		if (looper != nullptr)
			fMessenger = BMessenger(nullptr, looper);
		return B_OK;
	}
	BLooper* owner = handler->Looper();
	if (owner == nullptr)
		return B_BAD_VALUE;
	if (looper != nullptr && looper != owner)
		return B_MISMATCHED_VALUES;
	fMessenger = BMessenger(handler, owner);
	return B_OK;
}

status_t
BInvoker::SetTarget(BMessenger messenger)
{
	fMessenger = messenger;
	return B_OK;
}

BHandler*
BInvoker::Target(BLooper** looper) const
{
	return fMessenger.Target(looper);
}

BMessenger
BInvoker::Messenger() const
{
	return fMessenger;
}

bool
BInvoker::IsTargetLocal() const
{
	return fMessenger.IsTargetLocal();
}

status_t
BInvoker::Invoke(BMessage* message)
{
	BMessage* model = message != nullptr ? message : fMessage;
	if (model == nullptr)
		return B_BAD_VALUE;
	BMessage copy(*model);
	return fMessenger.SendMessage(&copy);
}

std::optional<BMessage>
BInvoker::Invocation(BMessage* message, const void* source) const
{
	BMessage* model = message != nullptr ? message : fMessage;
	if (model == nullptr)
		return std::nullopt;
	BMessage copy(*model);
	auto now = std::chrono::steady_clock::now().time_since_epoch();
	copy.AddInt64("when", std::chrono::duration_cast<std::chrono::microseconds>(now).count());
	copy.AddPointer("source", source);
	return copy;
}
