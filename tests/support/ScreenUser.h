// ScreenUser: the person in front of the real screen of a ScreenSession,
// for tests: it waits until a window is drawn, then clicks and types with
// xdotool (real X input events) and drops files with xdnd_source.
//
// Positions are in the window's coordinates. Every wait is bounded by
// MessageLog::kTimeout; a window that does not come, or a tool that fails,
// fails the test and the action returns false.
#ifndef SCREEN_USER_H
#define SCREEN_USER_H

#include <string>
#include <vector>

#include <Rect.h>

class FltkDisplay;

class ScreenUser {
public:
	explicit ScreenUser(FltkDisplay& display);

	// The window's X id once it is shown and drawn; 0 when it was not.
	uint64 WaitForDrawn(const std::string& title);
	// Once the windows are idle and all they handed to the display is on
	// the screen.
	bool WaitForScreen();

	// modifier: "" or an xdotool key name ("shift", "ctrl").
	bool Click(const std::string& title, BPoint where, const std::string& modifier = "");
	// Clicks the middle of the widget with that label.
	bool ClickLabel(const std::string& title, const std::string& label);
	// Types into the window under the pointer.
	bool Type(const std::string& text);
	// An xdotool key name ("Return", "Escape", "Down"), for the window
	// that has the focus; with a title, that window gets the focus first.
	bool Key(const std::string& key);
	bool Key(const std::string& title, const std::string& key);
	bool Drop(const std::string& title, BPoint where, const std::vector<std::string>& paths);
	// Clicks the close box, as the window manager tells it.
	bool ClickCloseBox(const std::string& title);
	// The colour on the screen there, as "#RRGGBB"; empty when it cannot
	// be read.
	std::string ColorAt(const std::string& title, BPoint where);

	static BPoint Middle(BRect frame);

private:
	bool _Run(const std::vector<std::string>& arguments);

	FltkDisplay& fDisplay;
};

#endif // SCREEN_USER_H
