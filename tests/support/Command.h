// Runs a program (found on the PATH, no shell) to its end and collects its
// standard output, for tests that check files with the system's own tools.
// A program that runs longer than the timeout is killed (that one process)
// and counts as failed.
#ifndef COMMAND_H
#define COMMAND_H

#include <string>
#include <vector>

class Command {
public:
	// The exit status; -1 when the program could not run, was killed or
	// timed out. extraEnvironment holds "NAME=value" items added to (or
	// replacing in) the test's environment.
	static int Run(const std::vector<std::string>& argv, std::string* output = nullptr,
	               const std::vector<std::string>& extraEnvironment = {}, int timeoutSeconds = 60);

	// The test's environment with the "NAME=value" items added or
	// replacing those of the same name.
	static std::vector<std::string> Environment(const std::vector<std::string>& extra);

	// Whether a program of that name is on the PATH.
	static bool Exists(const std::string& program);
};

#endif // COMMAND_H
