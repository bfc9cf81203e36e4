// Whole-file reads and writes for the small files of the desktop
// database. A write replaces the file at once (a new file renamed over the
// old one), so a reader never sees half of it and a failed write leaves the
// old content. Through a link the file it points to is replaced and the
// link stays; a replaced file keeps its permissions.
#ifndef TEXT_FILE_H
#define TEXT_FILE_H

#include <functional>
#include <string>
#include <sys/types.h>

#include <SupportDefs.h>

class TextFile {
public:
	// The desktop's files are small (the largest, a system's list of MIME
	// types, some 40 KB): a larger one is not read.
	static constexpr off_t kMaxSize = 16 << 20;

	// B_ENTRY_NOT_FOUND when the file does not exist, B_BAD_TYPE when it is
	// not a regular file, B_BAD_DATA when it is larger than kMaxSize.
	// Opening never waits.
	static status_t Read(const std::string& path, std::string* content);
	// Creates the missing folders on the way; a new file gets the mode 0644.
	static status_t Write(const std::string& path, const std::string& content);
	// Reads, edits and writes the file under a lock that every Update of
	// the file takes, so that programs that change it at once each keep the
	// other's change. edit gets the content (empty for a missing file) to
	// change; nothing is written when it fails or changes nothing. A file
	// it leaves blank is removed, unless a link leads to it.
	static status_t Update(const std::string& path,
	                       const std::function<status_t(std::string*)>& edit);
	// B_OK also when there was nothing to remove.
	static status_t Remove(const std::string& path);
	static bool Exists(const std::string& path);

	// The file the path names, its links followed; the path itself when it
	// is no link.
	static std::string Target(const std::string& path);
};

#endif // TEXT_FILE_H
