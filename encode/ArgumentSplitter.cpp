#include "ArgumentSplitter.h"

#include <cstring>

status_t
ArgumentSplitter::Split(const char* text, char (&output)[kOutputSize], const char** vector,
                        int32 capacity, int32* count)
{
	size_t length = strlen(text);
	if (length == 0)
		return B_OK;
	if (*count == capacity)
		return B_BAD_VALUE;
	size_t position = 0;
	bool quoted = false;
	vector[(*count)++] = output;
	for (size_t i = 0; i < length; i++) {
		char byte = text[i];
		if (byte == '"') {
			quoted = !quoted;
			continue;
		}
		// Keeps room for the last argument's NUL.
		if (position == kOutputSize - 1)
			return B_BAD_VALUE;
		if (byte == ' ' && !quoted) {
			if (*count == capacity)
				return B_BAD_VALUE;
			output[position++] = '\0';
			vector[(*count)++] = output + position;
		} else
			output[position++] = byte;
	}
	output[position] = '\0';
	return B_OK;
}
