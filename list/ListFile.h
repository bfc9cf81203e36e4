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

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

class ListFile {
public:
	static const char* const kType;

	enum Result {
		kSaved,
		// The file could not be created, or not put in the old one's place.
		kOpenFailed,
		kWriteFailed,
	};

	// Writes a new file beside the one at path (through a link, beside its
	// target) and renames it over it: on any failure the old file is left
	// as it was and the new one is removed.
	static Result Write(const char* path, const std::vector<std::string>& paths);
	// False when the file cannot be opened for reading (or is a folder).
	// A read error keeps the entries read before it.
	static bool Read(const char* path, std::vector<std::string>* paths);

	// What Write stores: the header lines and one line per path.
	static std::string Text(const std::vector<std::string>& paths);
	// Appends the entries of an open stream, as Read does with a file's,
	// up to the stream's end or a read error.
	static void ReadStream(FILE* file, std::vector<std::string>* paths);

private:
	static bool _ParseLine(std::string_view line, std::string* path);
};

#endif // LIST_FILE_H
