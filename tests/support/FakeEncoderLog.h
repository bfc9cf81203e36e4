// FakeEncoderLog: while it lives, points the stand-in encoder (see
// fake_encoder.cpp) at a log file and tells it how to behave, through the
// environment that children inherit (what to do, what to write on the
// standard error); reads back what it recorded, one
// record per start: its process id and arguments.
#ifndef FAKE_ENCODER_LOG_H
#define FAKE_ENCODER_LOG_H

#include <string>
#include <sys/types.h>
#include <vector>

#include <EntryRef.h>

class FakeEncoderLog {
public:
	struct Record {
		pid_t pid;
		std::vector<std::string> arguments;
	};

	// The mode starts as "exit".
	explicit FakeEncoderLog(std::string path);
	~FakeEncoderLog();
	FakeEncoderLog(const FakeEncoderLog&) = delete;
	FakeEncoderLog& operator=(const FakeEncoderLog&) = delete;

	// "exit", "fail", "crash", "hang" or "output", for encoders started
	// from now on.
	void SetMode(const char* mode);
	// What encoders started from now on write to their standard error
	// first; none when empty.
	void SetStandardError(const std::string& text);
	// The stand-in's program file, links followed.
	static entry_ref Ref();

	const std::string& Path() const;
	// Every record so far, in the order the encoders wrote them.
	std::vector<Record> Records() const;

	// The arguments as one line ("[-b] [128] [a b]"), for failure output.
	static std::string Describe(const std::vector<std::string>& arguments);

private:
	std::string fPath;
};

#endif // FAKE_ENCODER_LOG_H
