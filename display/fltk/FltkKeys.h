// FltkKeys: the key of the FLTK event being handled, as the kits name keys:
// the bytes of a key-down message (a UTF-8 character, or one of the key
// codes of InterfaceDefs.h) and the modifier keys held with it.
//
// Threads: screen thread only, while an event is handled.
#ifndef FLTK_KEYS_H
#define FLTK_KEYS_H

#include <string>

#include <SupportDefs.h>

class FltkKeys {
public:
	// Empty for a key the kits have no bytes for (a modifier key alone,
	// a function key).
	static std::string Bytes();
	// B_SHIFT_KEY, B_CONTROL_KEY and B_COMMAND_KEY (Alt).
	static uint32 Modifiers();
	// The tabs the key moves the window's tab view by: 1 for Ctrl+Tab and
	// Ctrl+Page Down, -1 for Ctrl+Shift+Tab and Ctrl+Page Up, 0 for any
	// other key. Widgets that would use those keys leave them to the
	// window.
	static int32 TabStep();
};

#endif // FLTK_KEYS_H
