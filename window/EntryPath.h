// EntryPath: the path of an entry the program was handed (dropped, chosen in
// a panel, launched with), as the program stores and shows it.
#ifndef ENTRY_PATH_H
#define ENTRY_PATH_H

#include <string>
#include <vector>

struct entry_ref;
class BMessage;

class EntryPath {
public:
	// The entry's path, links followed unless traverse is false; false when
	// no path can be made of it.
	static bool Of(const entry_ref& ref, bool traverse, std::string* path);
	// The paths of every "refs" entry of the message, links followed, in
	// order; entries without a path are left out.
	static std::vector<std::string> OfRefs(const BMessage& message);
};

#endif // ENTRY_PATH_H
