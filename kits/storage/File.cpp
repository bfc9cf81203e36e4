#include <File.h>

#include <Entry.h>
#include <Path.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BFile::BFile() : fMode(0) {}

BFile::BFile(const entry_ref* ref, uint32 openMode) : fMode(0)
{
	SetTo(ref, openMode);
}

BFile::BFile(const BEntry* entry, uint32 openMode) : fMode(0)
{
	SetTo(entry, openMode);
}

BFile::BFile(const char* path, uint32 openMode) : fMode(0)
{
	SetTo(path, openMode);
}

BFile::~BFile() {}

status_t
BFile::SetTo(const entry_ref* ref, uint32 openMode)
{
	BEntry entry(ref);
	return SetTo(&entry, openMode);
}

status_t
BFile::SetTo(const BEntry* entry, uint32 openMode)
{
	// An entry that is not set gives no path: B_BAD_VALUE.
	BPath path(entry);
	return SetTo(path.Path(), openMode);
}

status_t
BFile::SetTo(const char* path, uint32 openMode)
{
	status_t status = _Open(path, openMode, true);
	if (status != B_OK)
		return status;
	// The access the descriptor really has: a running program opens
	// read-only whatever was asked.
	fMode = (openMode & ~B_ACCESS_MODE_MASK) | (fcntl(_Descriptor(), F_GETFL) & O_ACCMODE);
	return B_OK;
}

bool
BFile::IsReadable() const
{
	uint32 access = fMode & B_ACCESS_MODE_MASK;
	return InitCheck() == B_OK && (access == B_READ_ONLY || access == B_READ_WRITE);
}

bool
BFile::IsWritable() const
{
	uint32 access = fMode & B_ACCESS_MODE_MASK;
	return InitCheck() == B_OK && (access == B_WRITE_ONLY || access == B_READ_WRITE);
}

ssize_t
BFile::Read(void* buffer, size_t size)
{
	if (InitCheck() != B_OK)
		return B_FILE_ERROR;
	ssize_t result;
	do
		result = read(_Descriptor(), buffer, size);
	while (result < 0 && errno == EINTR);
	return result < 0 ? status_from_errno(errno) : result;
}

ssize_t
BFile::ReadAt(off_t position, void* buffer, size_t size)
{
	if (InitCheck() != B_OK)
		return B_FILE_ERROR;
	ssize_t result;
	do
		result = pread(_Descriptor(), buffer, size, position);
	while (result < 0 && errno == EINTR);
	return result < 0 ? status_from_errno(errno) : result;
}

ssize_t
BFile::Write(const void* buffer, size_t size)
{
	if (InitCheck() != B_OK)
		return B_FILE_ERROR;
	const char* bytes = static_cast<const char*>(buffer);
	size_t written = 0;
	while (written < size) {
		ssize_t result = write(_Descriptor(), bytes + written, size - written);
		if (result < 0 && errno == EINTR)
			continue;
		if (result <= 0) {
			if (written > 0)
				break;
			return result < 0 ? status_from_errno(errno) : B_ERROR;
		}
		written += result;
	}
	return written;
}

off_t
BFile::Seek(off_t position, uint32 seekMode)
{
	if (InitCheck() != B_OK)
		return B_FILE_ERROR;
	off_t result = lseek(_Descriptor(), position, seekMode);
	return result < 0 ? status_from_errno(errno) : result;
}

status_t
BFile::GetSize(off_t* size) const
{
	if (size == nullptr)
		return B_BAD_VALUE;
	struct stat info;
	status_t status = GetStat(&info);
	if (status == B_OK)
		*size = info.st_size;
	return status;
}

status_t
BFile::SetSize(off_t size)
{
	if (size < 0)
		return B_BAD_VALUE;
	if (InitCheck() != B_OK)
		return B_FILE_ERROR;
	int result;
	do
		result = ftruncate(_Descriptor(), size);
	while (result < 0 && errno == EINTR);
	return result == 0 ? B_OK : status_from_errno(errno);
}
