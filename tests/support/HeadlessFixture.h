// HeadlessFixture: a test fixture that installs a HeadlessDisplay as the
// current display for one test, with a TestUser to drive it.
//
// At the end of the test it waits until the program is idle, fails the test
// for alerts it expected that never came, quits every window still alive
// and removes the display. Loopers that are not windows are the test's own
// to quit.
#ifndef HEADLESS_FIXTURE_H
#define HEADLESS_FIXTURE_H

#include <gtest/gtest.h>

#include "HeadlessDisplay.h"
#include "TestUser.h"

class HeadlessFixture : public ::testing::Test {
protected:
	HeadlessFixture();

	void SetUp() override;
	void TearDown() override;

	HeadlessDisplay display;
	TestUser user;
};

#endif // HEADLESS_FIXTURE_H
