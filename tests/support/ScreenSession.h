// ScreenSession: a test environment that gives the test program a screen
// of its own: an Xvfb server (DISPLAY points at it) and an FltkDisplay on
// it as the current display, from before the first test to after the last.
// A test program registers it once:
//   static auto* const sScreen = testing::AddGlobalTestEnvironment(new ScreenSession);
// Tests quit their own windows before they end.
#ifndef SCREEN_SESSION_H
#define SCREEN_SESSION_H

#include <memory>

#include <gtest/gtest.h>

#include "FltkDisplay.h"
#include "XvfbServer.h"

class ScreenSession : public ::testing::Environment {
public:
	void SetUp() override;
	void TearDown() override;

	// The session's display; null outside the session or when it failed.
	static FltkDisplay* Screen();

private:
	std::unique_ptr<XvfbServer> fServer;
	std::unique_ptr<FltkDisplay> fDisplay;
};

#endif // SCREEN_SESSION_H
