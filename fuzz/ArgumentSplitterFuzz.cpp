// Any argument text, split after a number of entries already taken as the
// second text of a launch is. The first byte is that number (0 to 255),
// the rest is the text, up to its first NUL.
//
// The vector has exactly the capacity's entries, so a write past it is an
// overflow the address sanitizer reports. A text is refused exactly when
// it does not fit; a text that fits yields its arguments one after the
// other in the output, and they joined by spaces give the text less its
// quotes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "encode/ArgumentSplitter.h"

extern "C" int
LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	if (size == 0)
		return -1;
	int32 taken = data[0];
	std::string text((const char*)data + 1, size - 1);
	text.resize(strlen(text.c_str()));

	std::string unquoted;
	int32 spaces = 0;
	bool quoted = false;
	for (char byte : text) {
		if (byte == '"') {
			quoted = !quoted;
			continue;
		}
		unquoted += byte;
		spaces += byte == ' ' && !quoted;
	}
	int32 capacity = taken + ArgumentSplitter::kMaxArguments;
	bool fits = text.empty() ||
	            (unquoted.size() < ArgumentSplitter::kOutputSize && taken + 1 + spaces <= capacity);

	static const char* const kTaken = "taken";
	std::vector<const char*> vector(capacity, kTaken);
	char output[ArgumentSplitter::kOutputSize];
	int32 count = taken;
	status_t status =
	    ArgumentSplitter::Split(text.c_str(), output, vector.data(), capacity, &count);
	if (status != (fits ? B_OK : B_BAD_VALUE))
		abort();
	for (int32 index = 0; index < taken; index++) {
		if (vector[index] != kTaken)
			abort();
	}
	if (status != B_OK)
		return 0;
	if (count != taken + (text.empty() ? 0 : 1 + spaces))
		abort();

	std::string joined;
	const char* expected = output;
	for (int32 index = taken; index < count; index++) {
		if (vector[index] != expected)
			abort();
		if (index > taken)
			joined += ' ';
		joined += vector[index];
		expected += strlen(vector[index]) + 1;
	}
	if (joined != unquoted)
		abort();
	return 0;
}
