// Whole-file reads and writes for the small files of the desktop
// database. A write replaces the file at once (a new file renamed over the
// old one), so a reader never sees half of it and a failed write leaves the
// old content.
#ifndef TEXT_FILE_H
#define TEXT_FILE_H

#include <string>

#include <SupportDefs.h>

class TextFile {
public:
	// B_ENTRY_NOT_FOUND when the file does not exist.
	static status_t Read(const std::string& path, std::string* content);
	// Creates the missing folders on the way.
	static status_t Write(const std::string& path, const std::string& content);
	// B_OK also when there was nothing to remove.
	static status_t Remove(const std::string& path);
	static bool Exists(const std::string& path);
};

#endif // TEXT_FILE_H
