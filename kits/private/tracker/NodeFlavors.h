// NodeFlavors: which entries a file panel lets the user choose, by the
// panel's node flavours (B_FILE_NODE, B_SYMLINK_NODE, B_DIRECTORY_NODE).
// Both displays ask it, so the screen and the tests take the same entries.
#ifndef _NODE_FLAVORS_H
#define _NODE_FLAVORS_H

#include <string>

#include <SupportDefs.h>

namespace BPrivate {

class NodeFlavors {
public:
	// Whether the entry at path suits the flavours: a link counts as
	// itself or as what it points to; a missing entry or a broken link
	// chosen as no link suits nothing.
	static bool Suits(const std::string& path, uint32 flavors);
};

} // namespace BPrivate

#endif // _NODE_FLAVORS_H
