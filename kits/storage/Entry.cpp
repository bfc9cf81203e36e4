#include <Entry.h>

#include <Path.h>
#include <StorageDefs.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

BEntry::BEntry() : fStatus(B_NO_INIT) {}

BEntry::BEntry(const BEntry& other) : fRef(other.fRef), fStatus(other.fStatus) {}

BEntry::BEntry(const char* path, bool traverse) : fStatus(B_NO_INIT)
{
	SetTo(path, traverse);
}

BEntry::BEntry(const entry_ref* ref, bool traverse) : fStatus(B_NO_INIT)
{
	SetTo(ref, traverse);
}

BEntry::~BEntry() {}

BEntry&
BEntry::operator=(const BEntry& other)
{
	fRef = other.fRef;
	fStatus = other.fStatus;
	return *this;
}

bool
BEntry::operator==(const BEntry& other) const
{
	if (fStatus != B_OK || other.fStatus != B_OK)
		return fStatus == other.fStatus;
	return fRef == other.fRef;
}

bool
BEntry::operator!=(const BEntry& other) const
{
	return !(*this == other);
}

status_t
BEntry::InitCheck() const
{
	return fStatus;
}

status_t
BEntry::SetTo(const char* path, bool traverse)
{
	Unset();
	if (path == nullptr)
		return fStatus = B_BAD_VALUE;

	std::string target = path;
	struct stat info;
	if (traverse && lstat(path, &info) == 0 && S_ISLNK(info.st_mode)) {
		// The whole chain of links is followed; a dangling one fails.
		char* resolved = realpath(path, nullptr);
		if (resolved == nullptr)
			return fStatus = status_from_errno(errno);
		target = resolved;
		free(resolved);
	}

	entry_ref ref;
	status_t status = get_ref_for_path(target.c_str(), &ref);
	if (status != B_OK)
		return fStatus = status;
	fRef = ref;
	return fStatus = B_OK;
}

status_t
BEntry::SetTo(const entry_ref* ref, bool traverse)
{
	Unset();
	if (ref == nullptr)
		return fStatus = B_BAD_VALUE;
	std::string path = path_for_ref(*ref);
	if (path.empty())
		return fStatus = B_BAD_VALUE;
	return SetTo(path.c_str(), traverse);
}

void
BEntry::Unset()
{
	fRef = entry_ref();
	fStatus = B_NO_INIT;
}

bool
BEntry::_Stat(unsigned int typeMask) const
{
	if (fStatus != B_OK)
		return false;
	struct stat info;
	if (lstat(path_for_ref(fRef).c_str(), &info) != 0)
		return false;
	return typeMask == 0 || (info.st_mode & S_IFMT) == typeMask;
}

bool
BEntry::Exists() const
{
	return _Stat(0);
}

bool
BEntry::IsFile() const
{
	return _Stat(S_IFREG);
}

bool
BEntry::IsDirectory() const
{
	return _Stat(S_IFDIR);
}

bool
BEntry::IsSymLink() const
{
	return _Stat(S_IFLNK);
}

status_t
BEntry::GetRef(entry_ref* ref) const
{
	if (ref == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return fStatus;
	*ref = fRef;
	return B_OK;
}

status_t
BEntry::GetPath(BPath* path) const
{
	if (path == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return fStatus;
	return path->SetTo(&fRef);
}

status_t
BEntry::GetParent(BEntry* entry) const
{
	if (entry == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return fStatus;
	if (path_for_ref(fRef) == "/")
		return B_ENTRY_NOT_FOUND;
	// Copied first: the entry may be this one.
	std::string parent = fRef.directoryPath;
	return entry->SetTo(parent.c_str());
}

status_t
BEntry::GetName(char* name) const
{
	if (name == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return fStatus;
	strncpy(name, fRef.name, B_FILE_NAME_LENGTH - 1);
	name[B_FILE_NAME_LENGTH - 1] = '\0';
	return B_OK;
}

status_t
BEntry::Remove()
{
	if (fStatus != B_OK)
		return fStatus;
	std::string path = path_for_ref(fRef);
	struct stat info;
	if (lstat(path.c_str(), &info) != 0)
		return status_from_errno(errno);
	int result = S_ISDIR(info.st_mode) ? rmdir(path.c_str()) : unlink(path.c_str());
	return result == 0 ? B_OK : status_from_errno(errno);
}

status_t
BEntry::Rename(const char* path, bool clobber)
{
	if (fStatus != B_OK)
		return fStatus;
	if (path == nullptr || path[0] == '\0')
		return B_BAD_VALUE;
	std::string from = path_for_ref(fRef);
	std::string to = path;
	if (to[0] != '/')
		to = from.substr(0, from.rfind('/') + 1) + to;
	struct stat info;
	if (!clobber && lstat(to.c_str(), &info) == 0)
		return B_FILE_EXISTS;
	if (rename(from.c_str(), to.c_str()) != 0)
		return status_from_errno(errno);
	return SetTo(to.c_str());
}
