#include "FltkDisplayFactory.h"

#include <cstdlib>

#include "FltkDisplay.h"

namespace {

const FltkDisplayFactory sRegistration;
FltkDisplay* sOpened = nullptr;

} // namespace

FltkDisplayFactory::FltkDisplayFactory()
{
	Display::SetFactory(Create);
}

Display*
FltkDisplayFactory::Create(std::string* error)
{
	sOpened = FltkDisplay::Open(error).release();
	// The screen thread ends before the process takes down what it uses.
	if (sOpened != nullptr)
		atexit(_Close);
	return sOpened;
}

void
FltkDisplayFactory::_Close()
{
	if (Display::Current() == sOpened)
		Display::SetCurrent(nullptr);
	delete sOpened;
	sOpened = nullptr;
}
