// Runs the freedesktop helper programs (update-mime-database and the like)
// found on the PATH: started directly, never through a shell, and waited
// for. Their output is discarded.
#ifndef DESKTOP_TOOLS_H
#define DESKTOP_TOOLS_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class DesktopTools {
public:
	// B_OK when the tool ran and succeeded; B_ENTRY_NOT_FOUND when it is not
	// installed; B_ERROR when it failed.
	static status_t Run(const std::string& tool, const std::vector<std::string>& arguments);
};

#endif // DESKTOP_TOOLS_H
