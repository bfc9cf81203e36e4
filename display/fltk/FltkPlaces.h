// FltkPlaces: the places a file panel offers beside its entries: the home
// folder, the music and desktop folders of the user's user-dirs.dirs
// (XDG), the file system's root and the user's GTK bookmarks; each folder
// once, and only those that exist.
//
// user-dirs.dirs holds lines XDG_MUSIC_DIR="$HOME/Musica" (a path, or one
// under $HOME); the bookmarks file one "file://" URI a line, with an
// optional label after a space. Both are read from the user's
// configuration folder (XDG_CONFIG_HOME, else ~/.config).
#ifndef FLTK_PLACES_H
#define FLTK_PLACES_H

#include <string>
#include <vector>

class FltkPlaces {
public:
	struct Place {
		std::string label;
		std::string path;

		bool operator==(const Place& other) const = default;
	};

	// The places of the user whose home folder and configuration folder
	// those are.
	static std::vector<Place> Find(const std::string& home, const std::string& config);
	// The places of the user running the program.
	static std::vector<Place> OfUser();

	// The folder the text of a user-dirs.dirs gives for the key
	// ("XDG_MUSIC_DIR"); empty when it gives none.
	static std::string UserDir(const std::string& text, const std::string& key,
	                           const std::string& home);
	// The local folders of the text of a bookmarks file, labelled with their
	// label or else their name.
	static std::vector<Place> Bookmarks(const std::string& text);
};

#endif // FLTK_PLACES_H
