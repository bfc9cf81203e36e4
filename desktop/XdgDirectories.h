// The folders of the freedesktop base directory rules, read from the
// environment at each call so that tests can point them elsewhere.
#ifndef XDG_DIRECTORIES_H
#define XDG_DIRECTORIES_H

#include <string>
#include <vector>

class XdgDirectories {
public:
	// $HOME when it is absolute, else the home folder of the user's
	// account.
	static std::string Home();
	// $XDG_DATA_HOME, else ~/.local/share.
	static std::string DataHome();
	// $XDG_CONFIG_HOME, else ~/.config.
	static std::string ConfigHome();
	// $XDG_DATA_DIRS, else /usr/local/share and /usr/share.
	static std::vector<std::string> DataDirs();
};

#endif // XDG_DIRECTORIES_H
