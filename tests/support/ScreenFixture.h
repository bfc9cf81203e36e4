// ScreenFixture: a test on the real screen of a ScreenSession, with a
// ScreenUser to drive it and a MessageLog for the test's windows.
//
// At the end of the test it quits every window still alive and waits until
// the screen has let them go, so the next test starts on an empty screen.
#ifndef SCREEN_FIXTURE_H
#define SCREEN_FIXTURE_H

#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "MessageLog.h"
#include "ScreenSession.h"
#include "ScreenUser.h"

class ScreenFixture : public ::testing::Test {
protected:
	void SetUp() override;
	void TearDown() override;

	FltkDisplay& Screen();
	ScreenUser& User();

	// The next message with that code in the log after those this
	// returned before, waiting for it; nothing (with a test failure) when
	// it does not come in time.
	std::optional<BMessage> WaitForMessage(uint32 what);
	// How many messages with that code the log holds.
	size_t Count(uint32 what) const;

	std::shared_ptr<MessageLog> log = std::make_shared<MessageLog>();

private:
	std::unique_ptr<ScreenUser> fUser;
	size_t fCursor = 0;
};

#endif // SCREEN_FIXTURE_H
