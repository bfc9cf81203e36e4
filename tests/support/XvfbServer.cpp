#include "XvfbServer.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>

#include "ChildProcess.h"
#include "MessageLog.h"

namespace {

// The program's path from the PATH, as the server is started without a
// shell.
std::string
FindProgram(const std::string& name)
{
	const char* path = getenv("PATH");
	std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
	std::string folder;
	while (std::getline(folders, folder, ':')) {
		std::string candidate = folder + "/" + name;
		if (access(candidate.c_str(), X_OK) == 0)
			return candidate;
	}
	return name;
}

} // namespace

XvfbServer::XvfbServer()
{
	// With -displayfd the server chooses a free display and writes its
	// number once it accepts clients.
	fServer = std::make_unique<ChildProcess>(
	    std::vector<std::string>{FindProgram("Xvfb"), "-displayfd", "1", "-screen", "0",
	                             "1280x1024x24", "-nolisten", "tcp"},
	    std::vector<std::string>{});
	if (!fServer->IsRunning() || !fServer->WaitForOutput("\n", MessageLog::kTimeout))
		return;
	std::string number = fServer->Output().substr(0, fServer->Output().find('\n'));
	fName = ":" + number;
}

XvfbServer::~XvfbServer() = default;

const std::string&
XvfbServer::Name() const
{
	return fName;
}
