#include <Node.h>

#include <Entry.h>
#include <Path.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// Linux limits the whole name, its "user." prefix included, to 255 bytes.
static const size_t kMaxAttributeKey = 255;
// And a value to 64 KiB; checked before a value is grown in memory.
static const size_t kMaxAttributeSize = 65536;

static status_t
AttributeKey(const char* name, std::string* key)
{
	if (name == nullptr || name[0] == '\0')
		return B_BAD_VALUE;
	*key = std::string("user.") + name;
	return key->size() > kMaxAttributeKey ? B_NAME_TOO_LONG : B_OK;
}

BNode::BNode() : fDescriptor(-1), fStatus(B_NO_INIT) {}

BNode::BNode(const entry_ref* ref) : BNode()
{
	SetTo(ref);
}

BNode::BNode(const BEntry* entry) : BNode()
{
	SetTo(entry);
}

BNode::BNode(const char* path) : BNode()
{
	SetTo(path);
}

BNode::~BNode()
{
	Unset();
}

status_t
BNode::InitCheck() const
{
	return fStatus;
}

status_t
BNode::SetTo(const entry_ref* ref)
{
	BEntry entry(ref);
	return SetTo(&entry);
}

status_t
BNode::SetTo(const BEntry* entry)
{
	// An entry that is not set gives no path: B_BAD_VALUE.
	BPath path(entry);
	return SetTo(path.Path());
}

status_t
BNode::SetTo(const char* path)
{
	return _Open(path, O_RDONLY, false);
}

void
BNode::Unset()
{
	if (fDescriptor >= 0)
		close(fDescriptor);
	fDescriptor = -1;
	fStatus = B_NO_INIT;
}

status_t
BNode::_Open(const char* path, int flags, bool asFile)
{
	Unset();
	if (path == nullptr || path[0] == '\0')
		return fStatus = B_BAD_VALUE;
	// Non-blocking, so that a named pipe cannot hold the caller: opened for
	// reading it opens at once, for writing without a reader it fails.
	int descriptor = open(path, flags | O_NONBLOCK | O_CLOEXEC, 0666);
	if (descriptor < 0 && errno == ETXTBSY && asFile && (flags & O_TRUNC) == 0) {
		// A running program cannot be opened for writing, yet its owner may
		// change its attributes: those need no writable descriptor. Its data
		// writes then fail with B_FILE_ERROR.
		descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
	}
	if (descriptor < 0)
		return fStatus = status_from_errno(errno);
	struct stat info;
	if (asFile && fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode)) {
		close(descriptor);
		return fStatus = B_IS_A_DIRECTORY;
	}
	// Only the opening was to be spared the wait.
	fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
	fDescriptor = descriptor;
	return fStatus = B_OK;
}

status_t
BNode::Sync()
{
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	return fsync(fDescriptor) == 0 ? B_OK : status_from_errno(errno);
}

status_t
BNode::GetStat(struct stat* status) const
{
	if (status == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	return fstat(fDescriptor, status) == 0 ? B_OK : status_from_errno(errno);
}

status_t
BNode::SetPermissions(mode_t permissions)
{
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	return fchmod(fDescriptor, permissions & 07777) == 0 ? B_OK : status_from_errno(errno);
}

status_t
BNode::_ReadValue(const std::string& key, std::vector<char>* value) const
{
	// The value may change between asking its size and reading it.
	for (int attempt = 0; attempt < 8; attempt++) {
		ssize_t size = fgetxattr(fDescriptor, key.c_str(), nullptr, 0);
		if (size < 0)
			return status_from_errno(errno);
		value->resize(size);
		ssize_t read = fgetxattr(fDescriptor, key.c_str(), value->data(), value->size());
		if (read >= 0) {
			value->resize(read);
			return B_OK;
		}
		if (errno != ERANGE)
			return status_from_errno(errno);
	}
	return B_BUSY;
}

ssize_t
BNode::ReadAttr(const char* name, type_code, off_t offset, void* buffer, size_t length) const
{
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	if (buffer == nullptr || offset < 0)
		return B_BAD_VALUE;
	std::string key;
	status_t status = AttributeKey(name, &key);
	if (status != B_OK)
		return status;
	std::vector<char> value;
	status = _ReadValue(key, &value);
	if (status != B_OK)
		return status;
	if ((size_t)offset >= value.size())
		return 0;
	size_t count = std::min(length, value.size() - (size_t)offset);
	memcpy(buffer, value.data() + offset, count);
	return count;
}

ssize_t
BNode::WriteAttr(const char* name, type_code, off_t offset, const void* buffer, size_t length)
{
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	if ((buffer == nullptr && length > 0) || offset < 0)
		return B_BAD_VALUE;
	std::string key;
	status_t status = AttributeKey(name, &key);
	if (status != B_OK)
		return status;

	if ((size_t)offset > kMaxAttributeSize || length > kMaxAttributeSize - offset)
		return B_BAD_VALUE;

	std::vector<char> value;
	if (offset > 0) {
		status = _ReadValue(key, &value);
		if (status != B_OK && status != B_ENTRY_NOT_FOUND)
			return status;
		value.resize(std::max(value.size(), (size_t)offset + length));
	} else
		value.resize(length);
	if (length > 0)
		memcpy(value.data() + offset, buffer, length);

	if (fsetxattr(fDescriptor, key.c_str(), value.data(), value.size(), 0) != 0)
		return status_from_errno(errno);
	return length;
}

status_t
BNode::RemoveAttr(const char* name)
{
	if (fStatus != B_OK)
		return B_FILE_ERROR;
	std::string key;
	status_t status = AttributeKey(name, &key);
	if (status != B_OK)
		return status;
	return fremovexattr(fDescriptor, key.c_str()) == 0 ? B_OK : status_from_errno(errno);
}
