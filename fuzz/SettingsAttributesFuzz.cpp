// Any bytes as the settings' attributes of a real file, read back as the
// application reads them; the text read is stored again as the application
// stores it, and reads back the same. The input:
//   byte 0     bit 0: the text attribute exists; bits 1-3: switch 1-3's
//              attribute exists
//   byte 1     bits 1-3: switch 1-3's attribute is empty; bits 5-7: switch
//              1-3 holds true before the read
//   bytes 2-4  the byte of switch 1-3
//   byte 5     the size of the text's buffer, 0 for the program's 1024
//   the rest   the text attribute's bytes
// Missing bytes count as 0. An attribute the file system cannot hold is
// no input.
//
// The file lives in $TMPDIR (or /tmp), unlinked as soon as it is open.
#include <Errors.h>
#include <File.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

#include "app/SettingsAttributes.h"

namespace {

const char* const kTextName = "encoder_location";
const char* const kCopyName = "encoder_location_copy";
const char* const kSwitchNames[] = {"dont_close_on_add", "dont_clear_on_open",
                                    "self_register_mime_type"};
const bool kSwitchFallbacks[] = {false, false, true};
const char* const kFallback = "/fallback";
const char* const kPrevious = "/previous";
const size_t kProgramSize = 1024;

struct Subject {
	int descriptor = -1;
	BFile file;

	Subject()
	{
		const char* directory = getenv("TMPDIR");
		std::string path =
		    std::string(directory != nullptr ? directory : "/tmp") + "/settings-fuzz-XXXXXX";
		descriptor = mkstemp(path.data());
		if (descriptor < 0 || file.SetTo(path.c_str(), B_READ_ONLY) != B_OK) {
			perror(path.c_str());
			abort();
		}
		unlink(path.c_str());
		if (fsetxattr(descriptor, "user.probe", "", 0, 0) != 0) {
			perror("no user extended attributes in $TMPDIR");
			abort();
		}
	}

	// False when the file system cannot hold the value.
	bool
	Store(const char* name, bool exists, const std::string& value)
	{
		std::string key = std::string("user.") + name;
		if (!exists)
			return fremovexattr(descriptor, key.c_str()) == 0 || errno == ENODATA;
		return fsetxattr(descriptor, key.c_str(), value.data(), value.size(), 0) == 0;
	}
};

uint8_t
ByteAt(const uint8_t* data, size_t size, size_t index)
{
	return index < size ? data[index] : 0;
}

// What the text must read as: the stored bytes up to the first NUL among
// those that fit the buffer, or all that fit with the terminator.
std::string
ExpectedText(bool exists, const std::string& stored, size_t bufferSize)
{
	if (!exists)
		return std::string(kFallback).substr(0, bufferSize - 1);
	if (stored.empty())
		return std::string(kPrevious).substr(0, bufferSize - 1);
	std::string read = stored.substr(0, bufferSize);
	size_t end = read.find('\0');
	return read.substr(0, end != std::string::npos ? end : bufferSize - 1);
}

} // namespace

extern "C" int
LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	static Subject sSubject;
	uint8_t exists = ByteAt(data, size, 0);
	uint8_t flags = ByteAt(data, size, 1);
	size_t bufferSize = ByteAt(data, size, 5) != 0 ? ByteAt(data, size, 5) : kProgramSize;
	std::string stored = size > 6 ? std::string((const char*)data + 6, size - 6) : std::string();

	if (!sSubject.Store(kTextName, exists & 1, stored))
		return -1;
	for (int index = 0; index < 3; index++) {
		bool empty = flags & (2 << index);
		std::string byte(empty ? 0 : 1, (char)ByteAt(data, size, 2 + index));
		if (!sSubject.Store(kSwitchNames[index], exists & (2 << index), byte))
			return -1;
	}

	// Garbage after the previous text, as in a buffer never cleared.
	std::vector<char> buffer(bufferSize, 'x');
	snprintf(buffer.data(), bufferSize, "%s", kPrevious);
	SettingsAttributes::ReadText(sSubject.file, kTextName, kFallback, buffer.data(), bufferSize);
	if (memchr(buffer.data(), '\0', bufferSize) == nullptr)
		abort();
	if (buffer.data() != ExpectedText(exists & 1, stored, bufferSize))
		abort();
	if (SettingsAttributes::WriteText(sSubject.file, kCopyName, buffer.data(), bufferSize) ==
	    B_OK) {
		std::vector<char> again(bufferSize, 'y');
		SettingsAttributes::ReadText(sSubject.file, kCopyName, kFallback, again.data(), bufferSize);
		if (strcmp(again.data(), buffer.data()) != 0)
			abort();
	}

	for (int index = 0; index < 3; index++) {
		bool value = flags & (32 << index);
		bool expected = value;
		if (!(exists & (2 << index)))
			expected = kSwitchFallbacks[index];
		else if (!(flags & (2 << index)))
			expected = ByteAt(data, size, 2 + index) != 0;
		SettingsAttributes::ReadSwitch(sSubject.file, kSwitchNames[index], kSwitchFallbacks[index],
		                               &value);
		if (value != expected)
			abort();
	}
	return 0;
}
