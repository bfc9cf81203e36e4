#include "NodeFlavors.h"

#include <sys/stat.h>

#include <FilePanel.h>

namespace BPrivate {

bool
NodeFlavors::Suits(const std::string& path, uint32 flavors)
{
	struct stat entry;
	if (lstat(path.c_str(), &entry) != 0)
		return false;
	if (S_ISLNK(entry.st_mode)) {
		if ((flavors & B_SYMLINK_NODE) != 0)
			return true;
		if (stat(path.c_str(), &entry) != 0)
			return false;
	}
	return (flavors & (S_ISDIR(entry.st_mode) ? B_DIRECTORY_NODE : B_FILE_NODE)) != 0;
}

} // namespace BPrivate
