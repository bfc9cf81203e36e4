// PlainSpawn: starts a program without a shell (posix_spawn, the caller's
// descriptors) and waits for its end the way the roster watches encoders:
// a pidfd, poll(), then reaping that one process. The benchmarks'
// references are loops of it.
#ifndef PLAIN_SPAWN_H
#define PLAIN_SPAWN_H

#include <string>
#include <sys/types.h>
#include <vector>

class PlainSpawn {
public:
	// The process id, or -1 when it could not be started. The environment
	// is the caller's, with the "NAME=value" entries of extra added or
	// replaced.
	static pid_t Start(const std::vector<std::string>& arguments,
	                   const std::vector<std::string>& extra = {});
	// The exit status, or -1 when the program could not be started, or
	// ended by a signal.
	static int Run(const std::vector<std::string>& arguments);
	// Waits for the end of a process the caller started and reaps it; the
	// exit status as for Run().
	static int Wait(pid_t pid);
};

#endif // PLAIN_SPAWN_H
