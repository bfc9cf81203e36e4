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
	atexit(_CloseAtExit);
	return true;
}

bool
FltkDriver::Close()
{
	if (sInstalled == nullptr)
		return true;
	if (Display::Current() == sInstalled)
		Display::SetCurrent(nullptr);
	sInstalled->Close();
	bool lost = sInstalled->IsLost();
	delete sInstalled;
	sInstalled = nullptr;
	return !lost;
}

void
FltkDriver::_CloseAtExit()
{
	Close();
}
