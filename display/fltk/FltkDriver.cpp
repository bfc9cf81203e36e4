#include "FltkDriver.h"

#include <cstdlib>

#include "FltkDisplay.h"

using BPrivate::Display;

namespace {

FltkDisplay* sInstalled = nullptr;

} // namespace

bool
FltkDriver::Install(std::string* error, const Identity& identity)
{
	sInstalled = FltkDisplay::Open(error).release();
	if (sInstalled == nullptr)
		return false;
	sInstalled->SetIdentity(identity.windowClass, identity.icons);
	Display::SetCurrent(sInstalled);
	atexit(_Close);
	return true;
}

void
FltkDriver::_Close()
{
	if (Display::Current() == sInstalled)
		Display::SetCurrent(nullptr);
	delete sInstalled;
	sInstalled = nullptr;
}
