// entry_ref: a file system entry named by the device and inode of its
// directory and its own leaf name. Two refs are equal when those three are.
//
// Linux cannot open a directory by its inode number, so a ref also keeps the
// absolute path of its directory. The path takes no part in equality.
#ifndef _ENTRY_REF_H
#define _ENTRY_REF_H

#include <string>

#include <SupportDefs.h>

struct entry_ref {
	entry_ref();
	entry_ref(dev_t device, ino_t directory, const char* name);
	entry_ref(const entry_ref& other);
	~entry_ref();

	entry_ref& operator=(const entry_ref& other);
	bool operator==(const entry_ref& other) const;
	bool operator!=(const entry_ref& other) const;

	status_t set_name(const char* name);

	dev_t device;
	ino_t directory;
	char* name;

	// Absolute path of the directory, without a trailing slash ("/" for the
	// root). Empty for a ref that was not made from a path.
	std::string directoryPath;
};

// Makes a ref for the entry at path. The directory must exist and is
// resolved; the leaf need not exist and is taken as it stands, links
// included. Relative paths count from the working directory.
// B_OK, B_BAD_VALUE (no path), B_ENTRY_NOT_FOUND (empty path, missing
// directory), B_NAME_TOO_LONG (a leaf over 255 bytes) or the translated errno of a failed look-up.
status_t get_ref_for_path(const char* path, entry_ref* ref);

// The absolute path of the entry a ref names; empty when the ref has no
// directory path or no name.
std::string path_for_ref(const entry_ref& ref);

#endif // _ENTRY_REF_H
