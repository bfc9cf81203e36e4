#include "TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

status_t
TextFile::Read(const std::string& path, std::string* content)
{
	int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
	if (descriptor < 0)
		return status_from_errno(errno);
	content->clear();
	char buffer[4096];
	ssize_t count;
	while ((count = read(descriptor, buffer, sizeof(buffer))) != 0) {
		if (count < 0 && errno == EINTR)
			continue;
		if (count < 0) {
			int error = errno;
			close(descriptor);
			return status_from_errno(error);
		}
		content->append(buffer, count);
	}
	close(descriptor);
	return B_OK;
}

status_t
TextFile::Write(const std::string& path, const std::string& content)
{
	std::error_code error;
	std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
	if (error)
		return status_from_errno(error.value());

	std::string temporary = path + ".XXXXXX";
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
	// Readable by everyone, like a file the user would have written.
	fchmod(descriptor, 0644);
	if (close(descriptor) != 0 && writeError == 0)
		writeError = errno;
	if (writeError == 0 && rename(temporary.c_str(), path.c_str()) != 0)
		writeError = errno;
	if (writeError != 0) {
		unlink(temporary.c_str());
		return status_from_errno(writeError);
	}
	return B_OK;
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
