#include "XdgDirectories.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

std::string
XdgDirectories::Home()
{
	const char* home = getenv("HOME");
	if (home != nullptr && home[0] == '/')
		return home;
	struct passwd* entry = getpwuid(getuid());
	return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

// Relative values are to be ignored, as the rules say.
static std::string
AbsoluteVariable(const char* name, const char* fallbackBelowHome)
{
	const char* value = getenv(name);
	if (value != nullptr && value[0] == '/')
		return value;
	return XdgDirectories::Home() + fallbackBelowHome;
}

std::string
XdgDirectories::DataHome()
{
	return AbsoluteVariable("XDG_DATA_HOME", "/.local/share");
}

std::string
XdgDirectories::ConfigHome()
{
	return AbsoluteVariable("XDG_CONFIG_HOME", "/.config");
}

std::vector<std::string>
XdgDirectories::DataDirs()
{
	const char* value = getenv("XDG_DATA_DIRS");
	std::string list = value != nullptr && value[0] != '\0' ? value : "/usr/local/share:/usr/share";
	std::vector<std::string> directories;
	size_t start = 0;
	while (start <= list.size()) {
		size_t end = list.find(':', start);
		if (end == std::string::npos)
			end = list.size();
		std::string directory = list.substr(start, end - start);
		if (!directory.empty() && directory[0] == '/')
			directories.push_back(directory);
		start = end + 1;
	}
	return directories;
}
