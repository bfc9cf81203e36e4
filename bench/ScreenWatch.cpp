#include "ScreenWatch.h"

#include <poll.h>

#include <X11/Xutil.h>

// A window that goes while it is being copied must not end the watch.
static int
IgnoreError(Display*, XErrorEvent*)
{
	return 0;
}

ScreenWatch::ScreenWatch(const std::string& display) : fDisplay(XOpenDisplay(display.c_str()))
{
	if (fDisplay == nullptr)
		return;
	XSetErrorHandler(IgnoreError);
	XSelectInput(fDisplay, DefaultRootWindow(fDisplay), SubstructureNotifyMask);
	XSync(fDisplay, False);
}

ScreenWatch::~ScreenWatch()
{
	if (fDisplay != nullptr)
		XCloseDisplay(fDisplay);
}

bool
ScreenWatch::IsOpen() const
{
	return fDisplay != nullptr;
}

void
ScreenWatch::Begin()
{
	XSync(fDisplay, True);
}

ScreenWatch::Result
ScreenWatch::Watch(const std::string& title, Clock::duration quiet, Clock::duration timeout)
{
	Result result;
	Clock::time_point deadline = Clock::now() + timeout;

	Window window = _WaitForMap(title, deadline, &result.mapped);
	if (window == None)
		return result;
	XWindowAttributes attributes;
	if (!XGetWindowAttributes(fDisplay, window, &attributes))
		return result;
	result.width = attributes.width;
	result.height = attributes.height;

	std::string last;
	Clock::time_point changed = Clock::now();
	while (Clock::now() < deadline) {
		std::string pixels = _Pixels(window, result.width, result.height);
		Clock::time_point now = Clock::now();
		if (pixels != last) {
			last = pixels;
			changed = now;
		} else if (now - changed >= quiet) {
			result.found = true;
			result.drawn = changed;
			return result;
		}
		poll(nullptr, 0, 1);
	}
	return result;
}

Window
ScreenWatch::_WaitForMap(const std::string& title, Clock::time_point deadline,
                         Clock::time_point* mapped)
{
	int connection = ConnectionNumber(fDisplay);
	while (Clock::now() < deadline) {
		while (XPending(fDisplay) > 0) {
			XEvent event;
			XNextEvent(fDisplay, &event);
			if (event.type == MapNotify && _HasTitle(event.xmap.window, title)) {
				*mapped = Clock::now();
				return event.xmap.window;
			}
		}
		pollfd ready = {connection, POLLIN, 0};
		poll(&ready, 1, 10);
	}
	return None;
}

bool
ScreenWatch::_HasTitle(Window window, const std::string& title)
{
	char* name = nullptr;
	bool same = XFetchName(fDisplay, window, &name) && name != nullptr && title == name;
	if (name != nullptr)
		XFree(name);
	return same;
}

std::string
ScreenWatch::_Pixels(Window window, int width, int height)
{
	XImage* image = XGetImage(fDisplay, window, 0, 0, width, height, AllPlanes, ZPixmap);
	if (image == nullptr)
		return std::string();
	std::string pixels(image->data, (size_t)image->bytes_per_line * image->height);
	XDestroyImage(image);
	return pixels;
}
