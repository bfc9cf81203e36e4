// ProcessMemory: how much memory a running process takes, from the
// kernel's summary of its mappings (/proc/PID/smaps_rollup): the resident
// set, and the proportional set, which splits each shared page among the
// processes that map it.
#ifndef PROCESS_MEMORY_H
#define PROCESS_MEMORY_H

#include <string>
#include <sys/types.h>

class ProcessMemory {
public:
	// In KiB; both -1 when unknown.
	struct Figures {
		long rss = -1;
		long pss = -1;
	};

	static Figures Read(pid_t pid);
	// The figures of a smaps_rollup text.
	static Figures Parse(const std::string& text);
};

#endif // PROCESS_MEMORY_H
