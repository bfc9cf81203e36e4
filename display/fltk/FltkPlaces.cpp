#include "FltkPlaces.h"

#include <fstream>
#include <sstream>

#include "FltkFolderEntries.h"
#include "FltkUriList.h"
#include "XdgDirectories.h"

namespace {

std::string
ReadFile(const std::string& path)
{
	std::ifstream file(path);
	std::stringstream text;
	text << file.rdbuf();
	return text.str();
}

std::string
NameOf(const std::string& path)
{
	size_t slash = path.find_last_of('/');
	return slash == std::string::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
}

} // namespace

std::vector<FltkPlaces::Place>
FltkPlaces::Find(const std::string& home, const std::string& config)
{
	std::string dirs = ReadFile(config + "/user-dirs.dirs");
	std::vector<Place> candidates = {{"Cartella home", home}};
	for (const char* key : {"XDG_MUSIC_DIR", "XDG_DESKTOP_DIR"}) {
		std::string folder = UserDir(dirs, key, home);
		candidates.push_back({NameOf(folder), folder});
	}
	candidates.push_back({"File system", "/"});
	for (const Place& bookmark : Bookmarks(ReadFile(config + "/gtk-3.0/bookmarks")))
		candidates.push_back(bookmark);

	std::vector<Place> places;
	for (const Place& place : candidates) {
		bool known = false;
		for (const Place& taken : places)
			known = known || taken.path == place.path;
		if (!known && FltkFolderEntries::IsFolder(place.path))
			places.push_back(place);
	}
	return places;
}

std::vector<FltkPlaces::Place>
FltkPlaces::OfUser()
{
	return Find(XdgDirectories::Home(), XdgDirectories::ConfigHome());
}

std::string
FltkPlaces::UserDir(const std::string& text, const std::string& key, const std::string& home)
{
	std::istringstream lines(text);
	std::string line;
	std::string prefix = key + "=\"";
	while (std::getline(lines, line)) {
		size_t end = line.rfind('"');
		if (line.compare(0, prefix.size(), prefix) != 0 || end < prefix.size())
			continue;
		std::string value = line.substr(prefix.size(), end - prefix.size());
		if (value.compare(0, 5, "$HOME") == 0)
			return home + value.substr(5);
		return !value.empty() && value[0] == '/' ? value : "";
	}
	return "";
}

std::vector<FltkPlaces::Place>
FltkPlaces::Bookmarks(const std::string& text)
{
	std::vector<Place> places;
	std::istringstream lines(text);
	std::string line;
	while (std::getline(lines, line)) {
		size_t space = line.find(' ');
		std::vector<std::string> paths = FltkUriList::Paths(line.substr(0, space));
		if (paths.size() != 1)
			continue;
		std::string label = space != std::string::npos ? line.substr(space + 1) : "";
		places.push_back({label.empty() ? NameOf(paths[0]) : label, paths[0]});
	}
	return places;
}
