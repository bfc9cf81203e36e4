#include "FltkKeys.h"

#include <FL/Fl.H>

#include <InterfaceDefs.h>

namespace {

struct KeyCode {
	int key;
	char code;
};

const KeyCode kCodes[] = {
    {FL_BackSpace, B_BACKSPACE},
    {FL_Tab, B_TAB},
    {FL_Enter, B_RETURN},
    {FL_KP_Enter, B_RETURN},
    {FL_Escape, B_ESCAPE},
    {FL_Left, B_LEFT_ARROW},
    {FL_Right, B_RIGHT_ARROW},
    {FL_Up, B_UP_ARROW},
    {FL_Down, B_DOWN_ARROW},
    {FL_Insert, B_INSERT},
    {FL_Delete, B_DELETE},
    {FL_Home, B_HOME},
    {FL_End, B_END},
    {FL_Page_Up, B_PAGE_UP},
    {FL_Page_Down, B_PAGE_DOWN},
};

} // namespace

std::string
FltkKeys::Bytes()
{
	for (const KeyCode& code : kCodes) {
		if (Fl::event_key() == code.key)
			return std::string(1, code.code);
	}
	// A character, but not one that a control key makes.
	const char* text = Fl::event_text();
	if (text == nullptr || (unsigned char)text[0] < 0x20 || text[0] == 0x7f)
		return "";
	return text;
}

uint32
FltkKeys::Modifiers()
{
	uint32 modifiers = 0;
	if (Fl::event_state(FL_SHIFT))
		modifiers |= B_SHIFT_KEY;
	if (Fl::event_state(FL_CTRL))
		modifiers |= B_CONTROL_KEY;
	if (Fl::event_state(FL_ALT))
		modifiers |= B_COMMAND_KEY;
	return modifiers;
}

int32
FltkKeys::TabStep()
{
	if (Fl::event_state(FL_CTRL | FL_ALT) != FL_CTRL)
		return 0;
	switch (Fl::event_key()) {
		case FL_Tab:
			return Fl::event_state(FL_SHIFT) ? -1 : 1;
		case FL_Page_Down:
			return 1;
		case FL_Page_Up:
			return -1;
	}
	return 0;
}
