// SettingsAttributes: the settings' format in the attributes of a node, both
// ways: a text is stored with its terminator, a switch as one byte, a
// number as four bytes in the machine's order.
//
// Reading takes whatever bytes the attributes hold. A missing attribute, or
// a node that is not open, gives the default. An empty attribute, or a read
// that fails otherwise, leaves the value as it was. Keeps no state; safe on
// any thread for values no other thread uses.
#ifndef SETTINGS_ATTRIBUTES_H
#define SETTINGS_ATTRIBUTES_H

#include <SupportDefs.h>

class BNode;

class SettingsAttributes {
public:
	// Reads a text into a buffer of size (at least 1) bytes, which always ends up
	// terminated: a text stored without its terminator, or longer than the
	// buffer, keeps what fits.
	static void ReadText(const BNode& node, const char* name, const char* fallback, char* buffer,
	                     size_t size);
	// Reads a switch stored as one byte: any byte but 0 is true.
	static void ReadSwitch(const BNode& node, const char* name, bool fallback, bool* value);
	// Reads a number stored in four bytes; fewer leave it as it was.
	static void ReadNumber(const BNode& node, const char* name, int32 fallback, int32* value);

	// Writes the text in a buffer of that size, as ReadText() reads it
	// back: at most size - 1 bytes of it, and the terminator.
	static status_t WriteText(BNode& node, const char* name, const char* text, size_t size);
	static status_t WriteSwitch(BNode& node, const char* name, bool value);
	static status_t WriteNumber(BNode& node, const char* name, int32 value);
};

#endif // SETTINGS_ATTRIBUTES_H
