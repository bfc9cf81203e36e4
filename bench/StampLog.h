// StampLog: the log of the stamp encoder, a stand-in encoder for the
// benchmarks that does nothing but note when it started and when it was
// about to end. A record is one line, written at once: the process id,
// then both monotonic clock readings in nanoseconds, space-separated.
#ifndef STAMP_LOG_H
#define STAMP_LOG_H

#include <cstdint>
#include <string>
#include <vector>

#include "Samples.h"

class StampLog {
public:
	struct Stamp {
		int64_t pid;
		int64_t start;
		int64_t end;
	};

	// The well-formed records of the file, in file order; lines that are
	// not records are left out.
	static std::vector<Stamp> Read(const std::string& path);
	// Nanoseconds from each encoder's end to the start of the next one to
	// start. Negative when two ran at once.
	static Samples Gaps(std::vector<Stamp> stamps);
};

#endif // STAMP_LOG_H
