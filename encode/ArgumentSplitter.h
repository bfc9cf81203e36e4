// ArgumentSplitter: a line of argument text split into the arguments of a
// launch.
//
// The argument text convention: every space outside double quotes ends an
// argument (runs of spaces are not merged, so they give empty arguments;
// a leading or trailing space gives an empty first or last argument); a
// double quote switches quoting on or off and is dropped, grouping without
// separating; a quote never closed keeps every later space; there is no
// escape character. An empty text gives no arguments at all.
//
// Keeps no state and may run on any thread.
#ifndef ARGUMENT_SPLITTER_H
#define ARGUMENT_SPLITTER_H

#include <SupportDefs.h>

class ArgumentSplitter {
public:
	// What one text may fill: its arguments, each ended by a NUL, in
	// kOutputSize bytes, and kMaxArguments entries of a vector.
	static const size_t kOutputSize = 4096;
	static const int32 kMaxArguments = 256;

	// Writes the arguments of text one after the other into output and
	// points vector entries at them, from *count on, never at or past
	// capacity. Refuses with B_BAD_VALUE, having written nothing past
	// either, text whose arguments do not fit: more than kOutputSize - 1
	// characters other than double quotes, or more spaces outside quotes
	// than the entries left allow.
	static status_t Split(const char* text, char (&output)[kOutputSize], const char** vector,
	                      int32 capacity, int32* count);
};

#endif // ARGUMENT_SPLITTER_H
