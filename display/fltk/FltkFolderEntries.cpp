#include "FltkFolderEntries.h"

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {

// Names without regard to case, then byte by byte so that the order is
// total.
int
CompareNames(const std::string& one, const std::string& other)
{
	int order = strcasecmp(one.c_str(), other.c_str());
	return order != 0 ? order : one.compare(other);
}

int
Compare(const FltkFolderEntries::Entry& one, const FltkFolderEntries::Entry& other,
        FltkFolderEntries::Column column)
{
	if (column == FltkFolderEntries::kSize && one.size != other.size && !one.folder)
		return one.size < other.size ? -1 : 1;
	if (column == FltkFolderEntries::kChanged && one.changed != other.changed)
		return one.changed < other.changed ? -1 : 1;
	return CompareNames(one.name, other.name);
}

} // namespace

std::vector<FltkFolderEntries::Entry>
FltkFolderEntries::Read(const std::string& folder)
{
	std::vector<Entry> entries;
	DIR* directory = opendir(folder.c_str());
	if (directory == nullptr)
		return entries;
	while (const dirent* found = readdir(directory)) {
		std::string name = found->d_name;
		if (name == "." || name == "..")
			continue;
		std::string path = (folder == "/" ? "" : folder) + "/" + name;
		struct stat entry;
		if (stat(path.c_str(), &entry) != 0 && lstat(path.c_str(), &entry) != 0)
			continue;
		entries.push_back({name, S_ISDIR(entry.st_mode), entry.st_size, entry.st_mtime});
	}
	closedir(directory);
	return entries;
}

std::vector<FltkFolderEntries::Entry>
FltkFolderEntries::Shown(std::vector<Entry> entries, Column column, bool descending, bool hidden)
{
	if (!hidden) {
		entries.erase(std::remove_if(entries.begin(), entries.end(),
		                             [](const Entry& entry) { return entry.name[0] == '.'; }),
		              entries.end());
	}
	std::sort(entries.begin(), entries.end(), [&](const Entry& one, const Entry& other) {
		if (one.folder != other.folder)
			return one.folder;
		int order = Compare(one, other, column);
		return descending ? order > 0 : order < 0;
	});
	return entries;
}

bool
FltkFolderEntries::IsFolder(const std::string& path)
{
	struct stat entry;
	return !path.empty() && stat(path.c_str(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

std::string
FltkFolderEntries::Size(off_t bytes)
{
	if (bytes < 1000)
		return std::to_string(bytes) + " byte";
	const char* const units[] = {"kB", "MB", "GB", "TB"};
	double value = bytes / 1000.0;
	size_t unit = 0;
	// Rounded as it will be written, so that 999.96 kB reads "1,0 MB".
	while (value >= 999.95 && unit + 1 < std::size(units)) {
		value /= 1000;
		unit++;
	}
	char text[32];
	snprintf(text, sizeof(text), "%.1f %s", value, units[unit]);
	std::string written = text;
	std::replace(written.begin(), written.end(), '.', ',');
	return written;
}

std::string
FltkFolderEntries::Date(time_t when)
{
	struct tm local;
	char text[32];
	if (localtime_r(&when, &local) == nullptr ||
	    strftime(text, sizeof(text), "%d/%m/%Y %H:%M", &local) == 0)
		return "";
	return text;
}
