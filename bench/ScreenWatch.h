// ScreenWatch: watches an X screen for a top-level window with a given
// title and tells when it is mapped and when its picture is final: the
// watch copies the window's pixels every millisecond, and the picture is
// final once it has not changed for the quiet period. It reports the
// moment the final picture was first seen, so it can be late by one copy
// but never early.
//
// Threads: one thread; it has an X connection of its own.
#ifndef SCREEN_WATCH_H
#define SCREEN_WATCH_H

#include <chrono>
#include <string>

#include <X11/Xlib.h>

class ScreenWatch {
public:
	using Clock = std::chrono::steady_clock;

	struct Result {
		bool found = false;
		Clock::time_point mapped;
		Clock::time_point drawn;
		int width = 0;
		int height = 0;
	};

	// Opens the display named and listens for windows being mapped.
	explicit ScreenWatch(const std::string& display);
	~ScreenWatch();
	ScreenWatch(const ScreenWatch&) = delete;
	ScreenWatch& operator=(const ScreenWatch&) = delete;

	bool IsOpen() const;
	// Forgets the windows mapped so far; called right before the program
	// to watch starts.
	void Begin();
	// Waits for a window with the title to be mapped after Begin(), then
	// for its picture to be final; not found when the timeout runs out
	// first.
	Result Watch(const std::string& title, Clock::duration quiet, Clock::duration timeout);

private:
	Window _WaitForMap(const std::string& title, Clock::time_point deadline,
	                   Clock::time_point* mapped);
	bool _HasTitle(Window window, const std::string& title);
	std::string _Pixels(Window window, int width, int height);

	Display* fDisplay;
};

#endif // SCREEN_WATCH_H
