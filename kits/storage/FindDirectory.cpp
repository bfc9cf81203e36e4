#include <FindDirectory.h>

#include <Directory.h>
#include <Path.h>

#include <XdgDirectories.h>

status_t
find_directory(directory_which which, BPath* path, bool createIt)
{
	if (path == nullptr || which != B_USER_SETTINGS_DIRECTORY)
		return B_BAD_VALUE;
	std::string folder = XdgDirectories::ConfigHome();
	if (createIt) {
		status_t status = create_directory(folder.c_str(), 0700);
		if (status != B_OK)
			return status;
	}
	return path->SetTo(folder.c_str());
}
