// SettingsAttributes: the settings as they are read back from the
// attributes of a node, whatever bytes the attributes hold.
//
// A missing attribute, or a node that is not open, gives the default. An
// empty attribute, or a read that fails otherwise, leaves the value as it
// was. Keeps no state; safe on any thread for values no other thread uses.
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
};

#endif // SETTINGS_ATTRIBUTES_H
