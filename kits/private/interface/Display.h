// Display: where the kits' windows appear and where the user's input comes
// from. HeadlessDisplay (tests) and FltkDisplay (the screen) implement it.
//
// State travels from the kits to the display: a window's thread hands
// Update() a snapshot of the window and of the views that changed since its
// last update. Changes are coalesced: everything changed under one lock of
// the window arrives as one update. RemoveWindow() says the window is gone.
//
// Input travels back as messages that the display posts to the window's
// messenger (WindowState::target), with the codes below. The window's thread
// applies the change to the view and then does what the control does, so
// the screen and the tests go through the same code. The display may post
// at any time; the kits ignore input for a view that has gone or is
// disabled.
//
// Threads: Update(), RemoveWindow(), PlainFontHeight() and StringWidth() are
// called from any kit thread, usually with a window locked. They must return
// soon and must never lock a looper or wait for a message to be handled: a
// display with a thread of its own queues the work for it. HasPendingWork()
// is true while the display holds state or input it has not dealt with yet;
// the looper list's wait for idleness asks it (see Display::SetCurrent), and
// a display calls LooperList::NoteActivity() when such work is done.
//
// Modal windows: while a window with B_MODAL_APP_WINDOW_FEEL is shown, the
// display gives input only to the modal window shown last.
#ifndef DISPLAY_H
#define DISPLAY_H

#include <string>

#include "DisplayState.h"

namespace BPrivate {

// Input codes, with their fields. "be:view" is a view's token.
enum : uint32 {
	// A button was clicked or a check box set; "be:value" (int32) is the
	// control's value on the screen.
	kMsgControlValue = '_Dcv',
	// The text of a text control (its token or its text view's) is now
	// "be:text" (string): one message per typed change.
	kMsgTextChanged = '_Dtx',
	// The selected rows of a list view are now "be:rows" (int32, in
	// order; no field when none is selected).
	kMsgRowsSelected = '_Drs',
	// The tab "be:index" (int32) of a tab view was chosen.
	kMsgTabChosen = '_Dtb',
	// The menu item "be:item" (int32, its token) of a menu bar or menu
	// field was chosen.
	kMsgMenuItemChosen = '_Dmi',
	// Something was dropped on the view; the other fields are the drop's
	// ("refs" for files). The window hands the view a B_SIMPLE_DATA
	// message with those fields.
	kMsgFilesDropped = '_Ddr',
	// A key was pressed that the display did not use itself, with the
	// view it had the focus in: "bytes" (string) as the key's bytes
	// (UTF-8 for a character, one of the key codes of InterfaceDefs.h for
	// the others) and "modifiers" (int32). The window hands the view a
	// B_KEY_DOWN message with those fields, which reaches its KeyDown().
	kMsgKeyDown = '_Dkd',
	// The close box of the window was clicked.
	kMsgCloseBox = '_Dcb',
	// The user moved the window; "be:left" and "be:top" (int32) are its
	// frame's new corner on the screen.
	kMsgWindowMoved = '_Dwm',
	// The alert's button "be:index" (int32) was pressed.
	kMsgAlertButton = '_Dab',
	// A file panel was confirmed: "refs" (every chosen entry) for an open
	// panel; "directory" (entry_ref) and "name" (string) for a save panel.
	kMsgPanelConfirmed = '_Dpc',
	// A file panel was cancelled or closed.
	kMsgPanelCancelled = '_Dpx',
};

class Display {
public:
	Display() = default;
	virtual ~Display();
	Display(const Display&) = delete;
	Display& operator=(const Display&) = delete;

	virtual void Update(WindowUpdate update) = 0;
	virtual void RemoveWindow(int32 window) = 0;
	virtual font_height PlainFontHeight() const = 0;
	virtual float StringWidth(const char* text) const = 0;
	virtual bool HasPendingWork() const = 0;
	// Waits until everything handed to the display so far is applied and
	// drawn, at most timeout microseconds. A display that applies updates
	// at once has nothing to wait for.
	virtual void Sync(bigtime_t timeout);

	// The display the kits use; null when none is installed. The
	// program's main() installs the screen's driver before it builds the
	// application; tests set a HeadlessDisplay before they build windows
	// and clear it after the last window is gone. The display is not
	// owned. Setting a display
	// also makes the looper list's wait for idleness ask it.
	static Display* Current();
	static void SetCurrent(Display* display);

	// The current display's plain font, or the reference font of
	// FixedFont when there is no display.
	static font_height FontHeight();
	static float Width(const char* text);
};

} // namespace BPrivate

#endif // DISPLAY_H
