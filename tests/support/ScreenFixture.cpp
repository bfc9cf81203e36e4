#include "ScreenFixture.h"

#include <chrono>

#include <LooperList.h>

#include "OpenWindows.h"

using BPrivate::LooperList;

void
ScreenFixture::SetUp()
{
	ASSERT_NE(ScreenSession::Screen(), nullptr) << "no screen for this test";
	fUser = std::make_unique<ScreenUser>(*ScreenSession::Screen());
}

void
ScreenFixture::TearDown()
{
	if (ScreenSession::Screen() == nullptr)
		return;
	OpenWindows::QuitAll();
	EXPECT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_TRUE(Screen().Settle(MessageLog::kTimeout));
}

FltkDisplay&
ScreenFixture::Screen()
{
	return *ScreenSession::Screen();
}

ScreenUser&
ScreenFixture::User()
{
	return *fUser;
}

std::optional<BMessage>
ScreenFixture::WaitForMessage(uint32 what)
{
	using Clock = std::chrono::steady_clock;
	auto deadline = Clock::now() + std::chrono::microseconds(MessageLog::kTimeout);
	for (;; fCursor++) {
		bigtime_t left =
		    std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
		if (!log->WaitForCount(fCursor + 1, left)) {
			ADD_FAILURE() << "no " << code_string(what) << " came; got " << log->Codes();
			return std::nullopt;
		}
		BMessage message = log->Messages()[fCursor];
		if (message.what == what) {
			fCursor++;
			return message;
		}
	}
}

size_t
ScreenFixture::Count(uint32 what) const
{
	size_t count = 0;
	for (const BMessage& message : log->Messages())
		count += message.what == what ? 1 : 0;
	return count;
}
