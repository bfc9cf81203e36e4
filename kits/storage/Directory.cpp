#include <Directory.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>

status_t
create_directory(const char* path, mode_t mode)
{
	if (path == nullptr || path[0] != '/')
		return B_BAD_VALUE;
	std::string full = path;
	// Each folder from the top down; the last one is the path itself.
	for (size_t end = full.find('/', 1);; end = full.find('/', end + 1)) {
		std::string folder = full.substr(0, end);
		if (mkdir(folder.c_str(), mode) != 0 && errno != EEXIST)
			return status_from_errno(errno);
		if (end == std::string::npos)
			break;
	}
	struct stat info;
	if (stat(path, &info) != 0)
		return status_from_errno(errno);
	return S_ISDIR(info.st_mode) ? B_OK : B_NOT_A_DIRECTORY;
}
