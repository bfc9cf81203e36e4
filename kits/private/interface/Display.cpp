#include "Display.h"

#include <atomic>

#include <LooperList.h>

#include "FixedFont.h"

namespace BPrivate {

namespace {

std::atomic<Display*> sCurrent{nullptr};

} // namespace

Display::~Display() = default;

void
Display::Sync(bigtime_t)
{
}

Display*
Display::Current()
{
	return sCurrent.load();
}

void
Display::SetCurrent(Display* display)
{
	sCurrent.store(display);
	if (display == nullptr)
		LooperList::SetIdleProbe({});
	else
		LooperList::SetIdleProbe([display]() { return display->HasPendingWork(); });
}

font_height
Display::FontHeight()
{
	Display* display = Current();
	return display != nullptr ? display->PlainFontHeight() : FixedFont::Reference().height;
}

float
Display::Width(const char* text)
{
	Display* display = Current();
	return display != nullptr ? display->StringWidth(text)
	                          : FixedFont::Reference().StringWidth(text);
}

} // namespace BPrivate
