// x_close: asks a window to close the way a window manager does when the
// user clicks its close box (WM_DELETE_WINDOW), for tests on a screen with
// no window manager.
//
// Usage: x_close WINDOW
// Exit status: 0 when the request was sent, 2 for bad arguments or no
// display.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int
main(int argc, char** argv)
{
	if (argc != 2) {
		fprintf(stderr, "usage: x_close WINDOW\n");
		return 2;
	}
	Display* display = XOpenDisplay(nullptr);
	if (display == nullptr) {
		fprintf(stderr, "x_close: no display\n");
		return 2;
	}
	Window window = strtoul(argv[1], nullptr, 0);
	XEvent event;
	memset(&event, 0, sizeof(event));
	event.xclient.type = ClientMessage;
	event.xclient.window = window;
	event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
	event.xclient.format = 32;
	event.xclient.data.l[0] = XInternAtom(display, "WM_DELETE_WINDOW", False);
	event.xclient.data.l[1] = CurrentTime;
	XSendEvent(display, window, False, NoEventMask, &event);
	XSync(display, False);
	XCloseDisplay(display);
	return 0;
}
