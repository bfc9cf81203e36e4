#include "XvfbServer.h"

#include <csignal>
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
	// A display number of the test's own, taken under the server's lock
	// file, which is safe against other servers starting at the same time
	// (choosing the lowest free number is not: two servers could race for
	// one display's socket). A number in use ends that server at once, and
	// the next is tried. -displayfd writes the number once clients can
	// connect.
	const int first = 100 + getpid() % 800;
	for (int display = first; display < first + 20 && fName.empty(); display++) {
		fServer = std::make_unique<ChildProcess>(
		    std::vector<std::string>{FindProgram("Xvfb"), ":" + std::to_string(display),
		                             "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten",
		                             "tcp"},
		    std::vector<std::string>{});
		if (fServer->IsRunning() && fServer->WaitForOutput("\n", MessageLog::kTimeout))
			fName = ":" + std::to_string(display);
	}
}

XvfbServer::~XvfbServer()
{
	// Ended with SIGTERM, the server removes its lock and socket. Killed,
	// it would leave them, and the next server that finds the stale lock
	// can replace the socket of one that has just taken that display.
	if (!fServer->IsRunning() || kill(fServer->Pid(), SIGTERM) != 0)
		return;
	int status;
	fServer->WaitForExit(MessageLog::kTimeout, &status);
}

const std::string&
XvfbServer::Name() const
{
	return fName;
}
