// BNode: an open file system node and its attributes.
//
// An attribute "N" is the extended attribute "user.N" and holds exactly the
// attribute's bytes: no type is stored, so the type code arguments are
// accepted and ignored. Attributes are read and written through the node's
// descriptor, which may be read-only: changing attributes needs ownership of
// the file, not a writable descriptor. Links are followed. Opening never
// waits, not even for a named pipe without a writer; reads and writes on the
// open node then behave as usual.
//
// A node is used by one thread at a time.
#ifndef _NODE_H
#define _NODE_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class BEntry;
struct entry_ref;
struct stat;

class BNode {
public:
	BNode();
	explicit BNode(const entry_ref* ref);
	explicit BNode(const BEntry* entry);
	explicit BNode(const char* path);
	virtual ~BNode();

	BNode(const BNode&) = delete;
	BNode& operator=(const BNode&) = delete;

	// B_OK when open; B_NO_INIT before any SetTo and after Unset; else the
	// error of the last SetTo.
	status_t InitCheck() const;

	status_t SetTo(const entry_ref* ref);
	status_t SetTo(const BEntry* entry);
	status_t SetTo(const char* path);
	void Unset();

	status_t Sync();

	// The node's status, as fstat(2) gives it.
	status_t GetStat(struct stat* status) const;
	// The permission bits (and set-id and sticky bits) of the node.
	status_t SetPermissions(mode_t permissions);

	// Reads at most length bytes of the value from offset on, also when the
	// value is longer. The number of bytes read, or B_FILE_ERROR (node not
	// open), B_ENTRY_NOT_FOUND (no such attribute), B_BAD_VALUE,
	// B_NAME_TOO_LONG, B_UNSUPPORTED (file system without attributes).
	ssize_t ReadAttr(const char* name, type_code type, off_t offset, void* buffer,
	                 size_t length) const;
	// At offset 0 the value is replaced; further on, the old value is kept
	// around the bytes written (and padded with zeros up to offset). The
	// number of bytes written or an error as for ReadAttr.
	ssize_t WriteAttr(const char* name, type_code type, off_t offset, const void* buffer,
	                  size_t length);
	status_t RemoveAttr(const char* name);

protected:
	// Opens path with the open(2) flags; the node's state follows. A file
	// (asFile) must not be a directory, and a running program opens
	// read-only when it is not to be erased.
	status_t _Open(const char* path, int flags, bool asFile);
	int
	_Descriptor() const
	{
		return fDescriptor;
	}

private:
	status_t _ReadValue(const std::string& key, std::vector<char>* value) const;

	int fDescriptor;
	status_t fStatus;
};

#endif // _NODE_H
