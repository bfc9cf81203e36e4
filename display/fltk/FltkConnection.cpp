#include "FltkConnection.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <cmath>
#include <cstdlib>
#include <memory>

// Last: it defines min and max as macros.
#include <X11/Xlibint.h>

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

void (*sLost)(void* data) = nullptr;
void* sLostData = nullptr;

// Says nothing: the display says it, once.
int
IgnoreIOError(::Display*)
{
	return 0;
}

// Returning, instead of exiting, makes Xlib give the connection up. Xlib
// unlocks the display before it calls the handlers, and the call that met
// the error unlocks it again on its way out: it is locked again here.
void
ReportLoss(::Display* display, void*)
{
	if (sLost != nullptr)
		sLost(sLostData);
	LockDisplay(display);
}

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

void
FltkConnection::OnLoss(void (*lost)(void* data), void* data)
{
	sLost = lost;
	sLostData = data;
	// FLTK's own handler ends the process, from whichever thread met the
	// error.
	XSetIOErrorHandler(IgnoreIOError);
	XSetIOErrorExitHandler(fl_display, ReportLoss, nullptr);
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

void
FltkConnection::SetIdentity(const std::string& windowClass,
                            const std::vector<std::vector<uint32_t>>& icons)
{
	Fl_Window::default_xclass(windowClass.c_str());
	// FLTK wants the pixels as bytes, red first and alpha last.
	std::vector<std::vector<uchar>> bytes;
	std::vector<std::unique_ptr<Fl_RGB_Image>> images;
	for (const std::vector<uint32_t>& icon : icons) {
		int size = (int)std::lround(std::sqrt((double)icon.size()));
		std::vector<uchar>& data = bytes.emplace_back();
		for (uint32_t pixel : icon) {
			data.insert(data.end(), {(uchar)(pixel >> 16), (uchar)(pixel >> 8), (uchar)pixel,
			                         (uchar)(pixel >> 24)});
		}
		images.push_back(std::make_unique<Fl_RGB_Image>(data.data(), size, size, 4));
	}
	std::vector<const Fl_RGB_Image*> list;
	for (const std::unique_ptr<Fl_RGB_Image>& image : images)
		list.push_back(image.get());
	// FLTK copies them into the property it sets on each window.
	Fl_Window::default_icons(list.data(), (int)list.size());
}

void
FltkConnection::ShowDialog(Fl_Window* window, const Fl_Window* owner, bool modal)
{
	// Nobody else is served while the server is grabbed: the window
	// manager, which hears of the new window when it is mapped, reads its
	// properties only once they are all there.
	XGrabServer(fl_display);
	window->show();
	Window xid = fl_xid(window);
	if (owner != nullptr && fl_xid(owner) != 0)
		XSetTransientForHint(fl_display, xid, fl_xid(owner));
	else
		XDeleteProperty(fl_display, xid, XA_WM_TRANSIENT_FOR);
	Atom type = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE", False);
	Atom dialog = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
	XChangeProperty(fl_display, xid, type, XA_ATOM, 32, PropModeReplace,
	                reinterpret_cast<unsigned char*>(&dialog), 1);
	// FLTK marks a modal window modal only when it finds a window to make
	// it transient for; the state is set here, whatever FLTK did.
	Atom state = XInternAtom(fl_display, "_NET_WM_STATE", False);
	Atom modalState = XInternAtom(fl_display, "_NET_WM_STATE_MODAL", False);
	if (modal)
		XChangeProperty(fl_display, xid, state, XA_ATOM, 32, PropModeReplace,
		                reinterpret_cast<unsigned char*>(&modalState), 1);
	else
		XDeleteProperty(fl_display, xid, state);
	XUngrabServer(fl_display);
	XFlush(fl_display);
}
