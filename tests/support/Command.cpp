#include "Command.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

std::vector<std::string>
Command::Environment(const std::vector<std::string>& extra)
{
	std::vector<std::string> environment;
	for (char** variable = environ; *variable != nullptr; variable++) {
		std::string item = *variable;
		std::string name = item.substr(0, item.find('=') + 1);
		bool replaced = false;
		for (const std::string& added : extra)
			replaced = replaced || added.compare(0, name.size(), name) == 0;
		if (!replaced)
			environment.push_back(item);
	}
	environment.insert(environment.end(), extra.begin(), extra.end());
	return environment;
}

static std::vector<char*>
Pointers(std::vector<std::string>& strings)
{
	std::vector<char*> pointers;
	for (std::string& string : strings)
		pointers.push_back(string.data());
	pointers.push_back(nullptr);
	return pointers;
}

int
Command::Run(const std::vector<std::string>& argv, std::string* output,
             const std::vector<std::string>& extraEnvironment, int timeoutSeconds)
{
	int pipeEnds[2];
	if (argv.empty() || pipe2(pipeEnds, O_CLOEXEC) != 0)
		return -1;
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
	std::vector<std::string> arguments = argv;
	std::vector<std::string> environment = Environment(extraEnvironment);
	std::vector<char*> argumentPointers = Pointers(arguments);
	std::vector<char*> environmentPointers = Pointers(environment);
	pid_t pid;
	int error = posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, argumentPointers.data(),
	                         environmentPointers.data());
	posix_spawn_file_actions_destroy(&actions);
	close(pipeEnds[1]);
	if (error != 0) {
		close(pipeEnds[0]);
		return -1;
	}

	timespec start;
	clock_gettime(CLOCK_MONOTONIC, &start);
	bool timedOut = false;
	for (;;) {
		timespec now;
		clock_gettime(CLOCK_MONOTONIC, &now);
		long left = timeoutSeconds * 1000L - (now.tv_sec - start.tv_sec) * 1000L -
		            (now.tv_nsec - start.tv_nsec) / 1000000;
		pollfd ready = {pipeEnds[0], POLLIN, 0};
		int result = left > 0 ? poll(&ready, 1, left) : 0;
		if (result < 0 && errno == EINTR)
			continue;
		if (result == 0) {
			timedOut = true;
			kill(pid, SIGKILL);
			break;
		}
		char buffer[4096];
		ssize_t count = read(pipeEnds[0], buffer, sizeof(buffer));
		if (count < 0 && errno == EINTR)
			continue;
		if (count <= 0)
			break;
		if (output != nullptr)
			output->append(buffer, count);
	}
	close(pipeEnds[0]);
	int status = 0;
	while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
	}
	if (timedOut || !WIFEXITED(status))
		return -1;
	return WEXITSTATUS(status);
}

bool
Command::Exists(const std::string& program)
{
	const char* path = getenv("PATH");
	std::string list = path != nullptr ? path : "/usr/bin:/bin";
	size_t start = 0;
	while (start <= list.size()) {
		size_t end = list.find(':', start);
		if (end == std::string::npos)
			end = list.size();
		std::string candidate = list.substr(start, end - start) + "/" + program;
		if (access(candidate.c_str(), X_OK) == 0)
			return true;
		start = end + 1;
	}
	return false;
}
