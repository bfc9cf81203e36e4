// BFile: a regular file open for reading and/or writing.
//
// The open mode is one of B_READ_ONLY, B_WRITE_ONLY, B_READ_WRITE with any of
// B_CREATE_FILE, B_ERASE_FILE, B_FAIL_IF_EXISTS, B_OPEN_AT_END. A running
// program cannot be opened for writing on Linux; opened without
// B_ERASE_FILE it is still opened (InitCheck B_OK) so that its attributes can
// be written, but its data cannot: Write then fails with B_FILE_ERROR. With
// B_ERASE_FILE the opening fails with B_BUSY, since the content cannot be
// replaced.
//
// A file is used by one thread at a time.
#ifndef _FILE_H
#define _FILE_H

#include <Node.h>
#include <StorageDefs.h>

class BFile : public BNode {
public:
	BFile();
	BFile(const entry_ref* ref, uint32 openMode);
	BFile(const BEntry* entry, uint32 openMode);
	BFile(const char* path, uint32 openMode);
	~BFile() override;

	// B_OK, B_BAD_VALUE (also for an entry that is not set), B_ENTRY_NOT_FOUND,
	// B_FILE_EXISTS,
	// B_PERMISSION_DENIED, B_IS_A_DIRECTORY, B_BUSY, ...
	status_t SetTo(const entry_ref* ref, uint32 openMode);
	status_t SetTo(const BEntry* entry, uint32 openMode);
	status_t SetTo(const char* path, uint32 openMode);

	bool IsReadable() const;
	bool IsWritable() const;

	// The number of bytes transferred or a negative status. Write writes
	// everything it can; a short count means the rest could not be written.
	ssize_t Read(void* buffer, size_t size);
	ssize_t ReadAt(off_t position, void* buffer, size_t size);
	ssize_t Write(const void* buffer, size_t size);

	// seekMode is SEEK_SET, SEEK_CUR or SEEK_END. The new position or a
	// negative status.
	off_t Seek(off_t position, uint32 seekMode);
	status_t GetSize(off_t* size) const;
	// Cuts the file at size, or makes it longer with zeros.
	status_t SetSize(off_t size);

private:
	uint32 fMode;
};

#endif // _FILE_H
