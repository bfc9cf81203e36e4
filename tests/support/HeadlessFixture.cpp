#include "HeadlessFixture.h"

#include <LooperList.h>
#include <Window.h>

using BPrivate::Display;
using BPrivate::LooperList;

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
	for (BLooper* looper : LooperList::Loopers()) {
		BWindow* window = dynamic_cast<BWindow*>(looper);
		if (window != nullptr && window->Lock())
			window->Quit();
	}
	Display::SetCurrent(nullptr);
}
