// BEntry: a named place in a directory. The directory must exist; the entry
// itself need not (an abstract entry). Without traversal an entry that is a
// symbolic link names the link; with it, the link's final target.
#ifndef _ENTRY_H
#define _ENTRY_H

#include <EntryRef.h>
#include <SupportDefs.h>

class BPath;

class BEntry {
public:
	BEntry();
	BEntry(const BEntry& other);
	explicit BEntry(const char* path, bool traverse = false);
	explicit BEntry(const entry_ref* ref, bool traverse = false);
	~BEntry();

	BEntry& operator=(const BEntry& other);
	bool operator==(const BEntry& other) const;
	bool operator!=(const BEntry& other) const;

	// B_OK, B_NO_INIT before any SetTo, or the error of the last SetTo:
	// B_BAD_VALUE (no path or ref), B_ENTRY_NOT_FOUND (missing directory or
	// dangling link to traverse), B_NAME_TOO_LONG, B_LINK_LIMIT.
	status_t InitCheck() const;

	status_t SetTo(const char* path, bool traverse = false);
	status_t SetTo(const entry_ref* ref, bool traverse = false);
	void Unset();

	bool Exists() const;
	bool IsFile() const;
	bool IsDirectory() const;
	bool IsSymLink() const;

	status_t GetRef(entry_ref* ref) const;
	status_t GetPath(BPath* path) const;
	// B_ENTRY_NOT_FOUND for the root. The entry may be its own argument.
	status_t GetParent(BEntry* entry) const;
	// name must hold B_FILE_NAME_LENGTH bytes.
	status_t GetName(char* name) const;

	// Unlinks the entry (an empty directory is removed); the object stays
	// valid and names an abstract entry afterwards.
	status_t Remove();
	// Moves the entry to path (relative paths start at the entry's
	// directory) in one step; the object then names the new place. Without
	// clobber an existing entry there gives B_FILE_EXISTS.
	status_t Rename(const char* path, bool clobber = false);

private:
	bool _Stat(unsigned int typeMask) const;

	entry_ref fRef;
	status_t fStatus;
};

#endif // _ENTRY_H
