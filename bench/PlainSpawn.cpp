#include "PlainSpawn.h"

#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

static std::vector<std::string>
Environment(const std::vector<std::string>& extra)
{
	std::vector<std::string> entries;
	for (char** entry = environ; *entry != nullptr; entry++) {
		const char* equals = strchr(*entry, '=');
		size_t length = equals != nullptr ? equals - *entry + 1 : strlen(*entry);
		bool replaced = false;
		for (const std::string& added : extra)
			replaced = replaced || added.compare(0, length, *entry, length) == 0;
		if (!replaced)
			entries.push_back(*entry);
	}
	entries.insert(entries.end(), extra.begin(), extra.end());
	return entries;
}

static std::vector<char*>
Pointers(const std::vector<std::string>& strings)
{
	std::vector<char*> pointers;
	for (const std::string& text : strings)
		pointers.push_back(const_cast<char*>(text.c_str()));
	pointers.push_back(nullptr);
	return pointers;
}

pid_t
PlainSpawn::Start(const std::vector<std::string>& arguments, const std::vector<std::string>& extra)
{
	if (arguments.empty())
		return -1;
	std::vector<char*> argv = Pointers(arguments);
	// Without extra entries the environment is not copied: the reference
	// loops start programs as cheaply as they can.
	std::vector<std::string> environment = extra.empty() ? extra : Environment(extra);
	std::vector<char*> envp = Pointers(environment);
	pid_t pid;
	if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(),
	                extra.empty() ? environ : envp.data()) != 0)
		return -1;
	return pid;
}

int
PlainSpawn::Run(const std::vector<std::string>& arguments)
{
	pid_t pid = Start(arguments);
	return pid < 0 ? -1 : Wait(pid);
}

int
PlainSpawn::Wait(pid_t pid)
{
	int pidfd = (int)syscall(SYS_pidfd_open, pid, 0);
	if (pidfd >= 0) {
		pollfd ready = {pidfd, POLLIN, 0};
		while (poll(&ready, 1, -1) < 0) {
		}
		close(pidfd);
	}
	int status;
	if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
		return -1;
	return WEXITSTATUS(status);
}
