// ListFile: the list file format. A list file is plain text: two header
// lines, then one line "0;" + path + LF per file, in list order, and the
// MIME type kType on the file.
//
// The reader accepts more than the writer produces: a line that starts
// with "#", CR, LF or NUL is skipped; any other line needs a ";" with at
// least one character after it (the line end counts), and its path is
// everything after the first ";", less one final CR or LF. Lines are read
// whole, whatever their length.
//
// Every function keeps no state and may run on any thread.
#ifndef LIST_FILE_H
#define LIST_FILE_H

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

class ListFile {
public:
	static const char* const kType;
	// Larger files are not read as lists. 100,000 entries, the most the
	// program is measured with, take about 5 MB: the bound leaves six times
	// that, read in well under a second, while a file that only grows (a
	// log, a file being copied) cannot fill the memory.
	static constexpr off_t kMaxSize = 32 << 20;

	enum Result {
		kSaved,
		// The list may not be written (read-only, or not a regular file),
		// or the new one could not be created nor put in the old one's place.
		kOpenFailed,
		kWriteFailed,
	};

	// Writes the list at path; through a link, at the link's target, and
	// the link stays. A new file with the old one's permissions is written
	// beside it and renamed over it, so that a failed write leaves the old
	// list whole. Where the folder takes no new file but the list itself is
	// writable, the list is written in place: a failed write then puts the
	// old content back, which needs no new space on the disk.
	static Result Write(const char* path, const std::vector<std::string>& paths);
	// False when the file cannot be opened for reading, is not a regular
	// file (a folder, a pipe, a device) or holds more than kMaxSize bytes.
	// Opening never waits. A read error keeps the entries read before it.
	static bool Read(const char* path, std::vector<std::string>* paths);

	// What Write stores: the header lines and one line per path.
	static std::string Text(const std::vector<std::string>& paths);
	// Appends the entries of a list file's content, as Read does.
	static void Parse(std::string_view text, std::vector<std::string>* paths);

private:
	static bool _ParseLine(std::string_view line, std::string* path);
};

#endif // LIST_FILE_H
