#include "VorlixLaunch.h"

#include <Roster.h>

#include "ArgumentSplitter.h"

status_t
VorlixLaunch(const entry_ref* program, const char* arguments, team_id* team)
{
	if (arguments == nullptr)
		return B_BAD_VALUE;
	char output[ArgumentSplitter::kOutputSize];
	const char* vector[ArgumentSplitter::kMaxArguments];
	int32 count = 0;
	status_t status =
	    ArgumentSplitter::Split(arguments, output, vector, ArgumentSplitter::kMaxArguments, &count);
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
	char before[ArgumentSplitter::kOutputSize];
	char after[ArgumentSplitter::kOutputSize];
	const char* vector[2 * ArgumentSplitter::kMaxArguments + 1];
	int32 count = 0;
	status_t status = ArgumentSplitter::Split(optionsBefore, before, vector,
	                                          ArgumentSplitter::kMaxArguments, &count);
	if (status != B_OK)
		return status;
	vector[count++] = path;
	status = ArgumentSplitter::Split(optionsAfter, after, vector,
	                                 count + ArgumentSplitter::kMaxArguments, &count);
	if (status != B_OK)
		return status;
	return be_roster->Launch(program, count, vector, team);
}
