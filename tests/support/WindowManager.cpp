#include "WindowManager.h"

#include <csignal>
#include <cstdlib>

#include "ChildProcess.h"
#include "Command.h"
#include "MessageLog.h"
#include "Polling.h"

WindowManager::WindowManager()
    : fProcess(std::make_unique<ChildProcess>(std::vector<std::string>{"openbox", "--sm-disable"},
                                              std::vector<std::string>{})),
      fReady(false)
{
	// The window manager says it manages the screen with a window of its
	// own named on the root window, but it does so before its event loop
	// runs, and what reaches it in between may wait until a later event
	// comes: the program's main window, mapped then, stayed unmanaged and
	// unmapped in about half the runs of a test repeated in one process.
	// So it is ready once it has answered a request: another number of
	// desktops, which it sets on the root window itself.
	fReady =
	    fProcess->IsRunning() &&
	    Polling::WaitUntil([] { return !Property("root", "_NET_SUPPORTING_WM_CHECK").empty(); },
	                       MessageLog::kTimeout) &&
	    _AnswersRequests();
}

bool
WindowManager::_AnswersRequests() const
{
	// The count comes after the name, also before the event loop.
	auto desktops = [] { return atoi(Property("root", "_NET_NUMBER_OF_DESKTOPS").c_str()); };
	int count = 0;
	if (!Polling::WaitUntil([&] { return (count = desktops()) > 0; }, MessageLog::kTimeout))
		return false;
	int wanted = count == 1 ? 2 : 1;
	// Asked again each time: sent once at that moment, the request went
	// unanswered for ten seconds in 15 runs of 16.
	return Polling::WaitUntil(
	    [&] {
		    return Command::Run({"xdotool", "set_num_desktops", std::to_string(wanted)}) == 0 &&
		           desktops() == wanted;
	    },
	    MessageLog::kTimeout);
}

WindowManager::~WindowManager()
{
	// Ended with SIGTERM, it gives the windows back to the screen.
	if (!fProcess->IsRunning() || kill(fProcess->Pid(), SIGTERM) != 0)
		return;
	int status;
	fProcess->WaitForExit(MessageLog::kTimeout, &status);
}

bool
WindowManager::IsReady() const
{
	return fReady;
}

std::string
WindowManager::Property(const std::string& window, const std::string& name)
{
	std::vector<std::string> arguments = {"xprop"};
	if (window == "root")
		arguments.push_back("-root");
	else
		arguments.insert(arguments.end(), {"-id", window});
	arguments.push_back(name);
	std::string output;
	if (Command::Run(arguments, &output) != 0)
		return "";
	size_t equals = output.find(" = ");
	size_t colon = output.find("):");
	if (equals == std::string::npos && colon == std::string::npos)
		return "";
	size_t start =
	    output.find_first_not_of(" \t", equals != std::string::npos ? equals + 3 : colon + 2);
	std::string value = start == std::string::npos ? "" : output.substr(start);
	while (!value.empty() && (value.back() == '\n' || value.back() == ' '))
		value.pop_back();
	return value;
}
