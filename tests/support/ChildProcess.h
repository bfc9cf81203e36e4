// ChildProcess: a program a test starts itself (not through the roster;
// found on the PATH when its name has no slash), with extra environment
// entries (added, or replacing those of the same name) and its standard
// output in a pipe that the test reads. Every wait is bounded. Deleting it
// kills the child by its process id if it still runs, and reaps it.
#ifndef CHILD_PROCESS_H
#define CHILD_PROCESS_H

#include <string>
#include <sys/types.h>
#include <vector>

#include <SupportDefs.h>

class ChildProcess {
public:
	ChildProcess(const std::vector<std::string>& arguments,
	             const std::vector<std::string>& environment);
	~ChildProcess();
	ChildProcess(const ChildProcess&) = delete;
	ChildProcess& operator=(const ChildProcess&) = delete;

	// False when it could not be started.
	bool IsRunning() const;
	pid_t Pid() const;

	// Reads the output until it holds text; false at end of output or when
	// the timeout runs out first.
	bool WaitForOutput(const std::string& text, bigtime_t timeout);
	// Reads the output until the child has ended and its output is drained
	// (processes it left behind may keep the pipe open), then reaps it;
	// false when the timeout runs out first. *status as from waitpid().
	bool WaitForExit(bigtime_t timeout, int* status);
	const std::string& Output() const;

private:
	bool _Read(bigtime_t timeout);

	pid_t fPid;
	int fOutput;
	std::string fText;
	bool fReaped;
};

#endif // CHILD_PROCESS_H
