// FltkConnection: the few calls of the screen that need the X11 side of
// FLTK, kept in one file so that the rest of the display stays free of
// Xlib's headers and names.
//
// Threads: every function is called on the screen thread only.
#ifndef FLTK_CONNECTION_H
#define FLTK_CONNECTION_H

#include <cstdint>
#include <string>
#include <vector>

class Fl_Window;

class FltkConnection {
public:
	// Opens the X display named by DISPLAY and hands it to FLTK. False,
	// with a one-line reason for the user, when there is none: FLTK would
	// end the process instead.
	static bool Open(std::string* error);
	// Calls lost(data) when the connection to the X server breaks (the
	// server ended, the session closed), where Xlib and FLTK would end the
	// process; every X call returns at once from then on. Once the
	// connection is open.
	static void OnLoss(void (*lost)(void* data), void* data);
	// The X resources the desktop set on the screen (xrdb), one
	// "name:\tvalue" a line; empty when there are none.
	static std::string Resources();
	// Sends everything drawn so far to the X server.
	static void Flush();
	// Sends it and waits until the X server has handled it.
	static void Sync();

	// The X window of a shown window; 0 before it is shown.
	static uint64_t WindowId(const Fl_Window* window);
	// Asks the window manager to offer no close box, no resizing and no
	// maximising: only moving. Needs the window shown.
	static void KeepOnlyMoving(const Fl_Window* window);

	// The class (WM_CLASS) and the icons (_NET_WM_ICON; each square, every
	// pixel 0xAARRGGBB) of every window shown from now on.
	static void SetIdentity(const std::string& windowClass,
	                        const std::vector<std::vector<uint32_t>>& icons);
	// Shows the window as a dialog of owner (or of no window, when null):
	// transient for it, of the dialog type, and modal or not. The window
	// manager learns all of it before it takes the window in.
	static void ShowDialog(Fl_Window* window, const Fl_Window* owner, bool modal);
};

#endif // FLTK_CONNECTION_H
