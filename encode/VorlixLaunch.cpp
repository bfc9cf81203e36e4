#include "VorlixLaunch.h"

#include <cstring>

#include <Roster.h>

static const size_t kOutputSize = 4096;
static const int32 kMaxArguments = 256;

// Splits text into arguments written one after the other, each ended by a
// NUL, into output, and points vector entries at them, from *count on.
// Refuses with B_BAD_VALUE, having written nothing past either, text whose
// arguments do not fit.
static status_t
SplitArguments(const char* text, char (&output)[kOutputSize], const char** vector, int32 capacity,
               int32* count)
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

status_t
VorlixLaunch(const entry_ref* program, const char* arguments, team_id* team)
{
	if (arguments == nullptr)
		return B_BAD_VALUE;
	char output[kOutputSize];
	const char* vector[kMaxArguments];
	int32 count = 0;
	status_t status = SplitArguments(arguments, output, vector, kMaxArguments, &count);
	if (status != B_OK)
		return status;
	return be_roster->Launch(program, count, vector, team);
}

status_t
VorlixLaunchWithPath(const entry_ref* program, const char* optionsBefore, const char* path,
                     const char* optionsAfter, team_id* team)
{
	if (optionsBefore == nullptr || path == nullptr || optionsAfter == nullptr)
		return B_BAD_VALUE;
	char before[kOutputSize];
	char after[kOutputSize];
	const char* vector[2 * kMaxArguments + 1];
	int32 count = 0;
	status_t status = SplitArguments(optionsBefore, before, vector, kMaxArguments, &count);
	if (status != B_OK)
		return status;
	vector[count++] = path;
	status = SplitArguments(optionsAfter, after, vector, count + kMaxArguments, &count);
	if (status != B_OK)
		return status;
	return be_roster->Launch(program, count, vector, team);
}
