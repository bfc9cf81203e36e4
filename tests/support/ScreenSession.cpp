#include "ScreenSession.h"

#include <cstdlib>

using BPrivate::Display;

namespace {

FltkDisplay* sScreen = nullptr;

} // namespace

void
ScreenSession::SetUp()
{
	fServer = std::make_unique<XvfbServer>();
	ASSERT_FALSE(fServer->Name().empty()) << "Xvfb did not start";
	// No thread of the test runs yet: the environment is safe to change.
	setenv("DISPLAY", fServer->Name().c_str(), 1);
	std::string error;
	fDisplay = FltkDisplay::Open(&error);
	ASSERT_NE(fDisplay, nullptr) << error;
	sScreen = fDisplay.get();
	Display::SetCurrent(sScreen);
}

void
ScreenSession::TearDown()
{
	Display::SetCurrent(nullptr);
	sScreen = nullptr;
	fDisplay.reset();
	fServer.reset();
}

FltkDisplay*
ScreenSession::Screen()
{
	return sScreen;
}
