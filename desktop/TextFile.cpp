#include "TextFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The kernel gives up after as many links in a row.
static const int kMaxLinks = 40;
// Each attempt loses only to a writer that replaced the file meanwhile.
static const int kLockAttempts = 100;
// Readable by everyone, like a file the user would have written.
static const mode_t kNewFileMode = 0644;

static bool
IsBlank(const std::string& content)
{
	return content.find_first_not_of(" \t\r\n") == std::string::npos;
}

static status_t
CreateFolders(const std::string& path)
{
	std::error_code error;
	std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
	return error ? status_from_errno(error.value()) : B_OK;
}

// A descriptor holding the lock on the file the path names now; -1 with
// *status set when there is none. A writer that replaced the file before
// the lock came leaves a lock on the old file: the new one is locked again.
static int
LockFile(const std::string& path, status_t* status)
{
	for (int attempt = 0; attempt < kLockAttempts; attempt++) {
		int descriptor =
		    open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, kNewFileMode);
		if (descriptor < 0) {
			*status = status_from_errno(errno);
			return -1;
		}
		int result;
		do
			result = flock(descriptor, LOCK_EX);
		while (result < 0 && errno == EINTR);
		struct stat locked, named;
		if (result == 0 && fstat(descriptor, &locked) == 0 && stat(path.c_str(), &named) == 0 &&
		    locked.st_dev == named.st_dev && locked.st_ino == named.st_ino)
			return descriptor;
		close(descriptor);
		if (result < 0) {
			*status = status_from_errno(errno);
			return -1;
		}
	}
	*status = B_BUSY;
	return -1;
}

status_t
TextFile::Read(const std::string& path, std::string* content)
{
	int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
	if (descriptor < 0)
		return status_from_errno(errno);
	struct stat status;
	status_t result = B_OK;
	if (fstat(descriptor, &status) != 0)
		result = status_from_errno(errno);
	else if (!S_ISREG(status.st_mode))
		result = B_BAD_TYPE;
	else if (status.st_size > kMaxSize)
		result = B_BAD_DATA;
	content->clear();
	char buffer[4096];
	ssize_t count = 0;
	while (result == B_OK && (count = read(descriptor, buffer, sizeof(buffer))) != 0) {
		if (count < 0 && errno == EINTR)
			continue;
		if (count < 0)
			result = status_from_errno(errno);
		else if ((off_t)content->size() + count > kMaxSize)
			result = B_BAD_DATA;
		else
			content->append(buffer, count);
	}
	close(descriptor);
	return result;
}

status_t
TextFile::Write(const std::string& path, const std::string& content)
{
	std::string target = Target(path);
	status_t status = CreateFolders(target);
	if (status != B_OK)
		return status;
	struct stat old;
	mode_t mode = stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : kNewFileMode;

	std::string temporary = target + ".XXXXXX";
	int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
	if (descriptor < 0)
		return status_from_errno(errno);
	int writeError = 0;
	size_t written = 0;
	while (written < content.size() && writeError == 0) {
		ssize_t count = write(descriptor, content.data() + written, content.size() - written);
		if (count > 0)
			written += count;
		else if (count == 0)
			writeError = EIO;
		else if (errno != EINTR)
			writeError = errno;
	}
	fchmod(descriptor, mode);
	if (close(descriptor) != 0 && writeError == 0)
		writeError = errno;
	if (writeError == 0 && rename(temporary.c_str(), target.c_str()) != 0)
		writeError = errno;
	if (writeError != 0) {
		unlink(temporary.c_str());
		return status_from_errno(writeError);
	}
	return B_OK;
}

status_t
TextFile::Update(const std::string& path, const std::function<status_t(std::string*)>& edit)
{
	std::string target = Target(path);
	bool existed = Exists(target);
	status_t status = CreateFolders(target);
	if (status != B_OK)
		return status;
	int lock = LockFile(target, &status);
	if (lock < 0)
		return status;
	std::string content;
	status = Read(target, &content);
	std::string edited = content;
	if (status == B_OK)
		status = edit(&edited);
	if (status != B_OK)
		edited = content;
	bool changed = edited != content;
	// A file made only to be locked goes as well.
	if ((changed || !existed) && IsBlank(edited) && target == path) {
		status_t removed = Remove(target);
		if (status == B_OK)
			status = removed;
	} else if (changed)
		status = Write(target, edited);
	close(lock);
	return status;
}

status_t
TextFile::Remove(const std::string& path)
{
	if (unlink(path.c_str()) == 0 || errno == ENOENT)
		return B_OK;
	return status_from_errno(errno);
}

bool
TextFile::Exists(const std::string& path)
{
	struct stat info;
	return stat(path.c_str(), &info) == 0;
}

std::string
TextFile::Target(const std::string& path)
{
	std::string target = path;
	for (int link = 0; link < kMaxLinks; link++) {
		char buffer[PATH_MAX];
		ssize_t length = readlink(target.c_str(), buffer, sizeof(buffer));
		if (length < 0 || length == sizeof(buffer))
			return target;
		std::string next(buffer, length);
		if (next[0] != '/')
			next = target.substr(0, target.rfind('/') + 1) + next;
		target = next;
	}
	return target;
}
