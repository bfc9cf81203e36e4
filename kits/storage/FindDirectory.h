// find_directory(): where a program keeps its files, by kind of folder. On
// Linux these are the folders of the freedesktop base directory rules,
// read from the environment at each call.
#ifndef _FIND_DIRECTORY_H
#define _FIND_DIRECTORY_H

#include <SupportDefs.h>

class BPath;

enum directory_which {
	// The user's settings: $XDG_CONFIG_HOME, else ~/.config.
	B_USER_SETTINGS_DIRECTORY = 3006,
};

// Sets path to that folder; with createIt, makes the folder when it is
// missing, for the user alone (mode 0700). B_BAD_VALUE for an unknown kind
// or a null path, else the error of making it.
status_t find_directory(directory_which which, BPath* path, bool createIt = false);

#endif // _FIND_DIRECTORY_H
