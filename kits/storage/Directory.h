// Folders: create_directory(), the storage kit's way to make a folder with
// every missing folder above it.
#ifndef _DIRECTORY_H
#define _DIRECTORY_H

#include <sys/types.h>

#include <SupportDefs.h>

// Makes the folder at the absolute path, and every missing folder above
// it, with that mode (less the umask). B_OK also when it exists already;
// B_BAD_VALUE for a relative path, B_NOT_A_DIRECTORY when a part of it is a
// file, or the system's reason.
status_t create_directory(const char* path, mode_t mode);

#endif // _DIRECTORY_H
