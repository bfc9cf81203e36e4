// FltkConnection: the few calls of the screen that need the X11 side of
// FLTK, kept in one file so that the rest of the display stays free of
// Xlib's headers and names.
//
// Threads: every function is called on the screen thread only.
#ifndef FLTK_CONNECTION_H
#define FLTK_CONNECTION_H

#include <cstdint>
#include <string>

class Fl_Window;

class FltkConnection {
public:
	// Opens the X display named by DISPLAY and hands it to FLTK. False,
	// with a one-line reason for the user, when there is none: FLTK would
	// end the process instead.
	static bool Open(std::string* error);
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
};

#endif // FLTK_CONNECTION_H
