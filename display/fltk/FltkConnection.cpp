#include "FltkConnection.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <cstdlib>

namespace {

// The window manager hints of the Motif convention, which most window
// managers still honour.
struct MotifHints {
	unsigned long flags;
	unsigned long functions;
	unsigned long decorations;
	long inputMode;
	unsigned long status;
};

const unsigned long kHintFunctions = 1;
const unsigned long kFunctionMove = 4;

} // namespace

bool
FltkConnection::Open(std::string* error)
{
	const char* name = getenv("DISPLAY");
	if (name == nullptr || name[0] == '\0') {
		*error = "Nessuno schermo: la variabile DISPLAY non è impostata.";
		return false;
	}
	::Display* connection = XOpenDisplay(name);
	if (connection == nullptr) {
		*error = std::string("Impossibile aprire il display ") + name + ".";
		return false;
	}
	fl_open_display(connection);
	return true;
}

std::string
FltkConnection::Resources()
{
	const char* resources = XResourceManagerString(fl_display);
	return resources != nullptr ? resources : "";
}

void
FltkConnection::Flush()
{
	XFlush(fl_display);
}

void
FltkConnection::Sync()
{
	XSync(fl_display, False);
}

uint64_t
FltkConnection::WindowId(const Fl_Window* window)
{
	return fl_xid(window);
}

void
FltkConnection::KeepOnlyMoving(const Fl_Window* window)
{
	Window xid = fl_xid(window);
	if (xid == 0)
		return;
	Atom hints = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
	MotifHints value = {kHintFunctions, kFunctionMove, 0, 0, 0};
	XChangeProperty(fl_display, xid, hints, hints, 32, PropModeReplace,
	                reinterpret_cast<unsigned char*>(&value), 5);
}
