#include "MessageLog.h"

#include <chrono>

void
MessageLog::Add(const BMessage& message)
{
	std::scoped_lock lock(fLock);
	fMessages.push_back(message);
	fChanged.notify_all();
}

void
MessageLog::MarkDeleted()
{
	std::scoped_lock lock(fLock);
	fDeleted = true;
	fChanged.notify_all();
}

bool
MessageLog::WaitForCount(size_t count, bigtime_t timeout) const
{
	std::unique_lock lock(fLock);
	return fChanged.wait_for(lock, std::chrono::microseconds(timeout),
	                         [&] { return fMessages.size() >= count; });
}

bool
MessageLog::WaitForDeleted(bigtime_t timeout) const
{
	std::unique_lock lock(fLock);
	return fChanged.wait_for(lock, std::chrono::microseconds(timeout), [&] { return fDeleted; });
}

size_t
MessageLog::Count() const
{
	std::scoped_lock lock(fLock);
	return fMessages.size();
}

std::vector<BMessage>
MessageLog::Messages() const
{
	std::scoped_lock lock(fLock);
	return fMessages;
}

bool
MessageLog::IsDeleted() const
{
	std::scoped_lock lock(fLock);
	return fDeleted;
}

std::string
MessageLog::Codes() const
{
	std::string codes;
	for (const BMessage& message : Messages()) {
		if (!codes.empty())
			codes += ' ';
		codes += code_string(message.what);
	}
	return codes;
}

std::string
code_string(uint32 code)
{
	std::string text;
	for (int shift = 24; shift >= 0; shift -= 8)
		text += (char)((code >> shift) & 0xff);
	return text;
}
