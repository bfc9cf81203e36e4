#include "EntryPath.h"

#include <Entry.h>
#include <Message.h>
#include <Path.h>

bool
EntryPath::Of(const entry_ref& ref, bool traverse, std::string* path)
{
	BEntry entry(&ref, traverse);
	BPath found;
	if (entry.GetPath(&found) != B_OK)
		return false;
	*path = found.Path();
	return true;
}

std::vector<std::string>
EntryPath::OfRefs(const BMessage& message)
{
	std::vector<std::string> paths;
	entry_ref ref;
	std::string path;
	for (int32 index = 0; message.FindRef("refs", index, &ref) == B_OK; index++) {
		if (Of(ref, true, &path))
			paths.push_back(path);
	}
	return paths;
}
