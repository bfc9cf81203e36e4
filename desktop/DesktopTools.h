// Runs the freedesktop helper programs (update-mime-database and the like)
// found on the PATH: started directly, never through a shell, and waited
// for, within a time limit. Their output is discarded.
#ifndef DESKTOP_TOOLS_H
#define DESKTOP_TOOLS_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class DesktopTools {
public:
	// Far longer than a database update of one user's folder takes, even
	// on a busy machine; microseconds.
	static constexpr bigtime_t kTimeLimit = 10000000;

	// B_OK when the tool ran and succeeded; B_ENTRY_NOT_FOUND when it is not
	// installed; B_ERROR when it failed; B_TIMED_OUT when it had not ended
	// within the time limit (microseconds), and was then killed with
	// whatever it had started.
	static status_t Run(const std::string& tool, const std::vector<std::string>& arguments,
	                    bigtime_t timeLimit = kTimeLimit);
};

#endif // DESKTOP_TOOLS_H
