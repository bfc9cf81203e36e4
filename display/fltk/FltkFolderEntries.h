// FltkFolderEntries: the entries of a folder as a file panel lists them:
// folders first whatever the order, then the rest by the chosen column,
// either way; names starting with '.' left out unless asked for. Sizes and
// dates are written the Italian way ("12,3 kB", "08/12/2026 18:40", local
// time).
//
// A link counts as what it points to; a broken link as a file of its own.
#ifndef FLTK_FOLDER_ENTRIES_H
#define FLTK_FOLDER_ENTRIES_H

#include <ctime>
#include <string>
#include <sys/types.h>
#include <vector>

class FltkFolderEntries {
public:
	enum Column { kName, kSize, kChanged };

	struct Entry {
		std::string name;
		bool folder;
		off_t size;
		time_t changed;
	};

	// Every entry of the folder but "." and ".."; none when it cannot be
	// read.
	static std::vector<Entry> Read(const std::string& folder);
	// The entries to show, in the order to show them.
	static std::vector<Entry> Shown(std::vector<Entry> entries, Column column, bool descending,
	                                bool hidden);

	// Whether the path names a folder, or a link to one.
	static bool IsFolder(const std::string& path);

	static std::string Size(off_t bytes);
	static std::string Date(time_t when);
};

#endif // FLTK_FOLDER_ENTRIES_H
