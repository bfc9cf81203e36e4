#include "HeadlessFixture.h"

#include "OpenWindows.h"

using BPrivate::Display;

HeadlessFixture::HeadlessFixture() : user(display) {}

void
HeadlessFixture::SetUp()
{
	Display::SetCurrent(&display);
}

void
HeadlessFixture::TearDown()
{
	user.WaitIdle();
	EXPECT_EQ(user.CountExpectedAlerts(), 0) << "expected alerts never came";
	OpenWindows::QuitAll();
	Display::SetCurrent(nullptr);
}
