// Starting the encoder from a line of argument text, split as
// ArgumentSplitter.h describes.
//
// Both functions keep no state and may run on any thread. They return the
// roster's launch status unchanged, and hand it the team pointer as given.
#ifndef VORLIX_LAUNCH_H
#define VORLIX_LAUNCH_H

#include <EntryRef.h>
#include <OS.h>

// Splits the text into at most 256 arguments written into 4096 bytes,
// then launches the program with them through be_roster. A text that does
// not fit (more than 4095 characters other than double quotes, or more
// than 255 spaces outside quotes) is refused with B_BAD_VALUE and nothing
// is launched.
status_t VorlixLaunch(const entry_ref* program, const char* arguments, team_id* team);

// For the encoding run: the options before and after are argument texts,
// each split as above (and each with those limits); the path goes between
// them as one argument exactly as given, whatever its length and whatever
// quotes it holds, since a path is no argument text. Launches the program
// with the options before, the path and the options after.
status_t VorlixLaunchWithPath(const entry_ref* program, const char* optionsBefore, const char* path,
                              const char* optionsAfter, team_id* team);

#endif // VORLIX_LAUNCH_H
