// FakeEncoderLog: reads back what the stand-in encoder recorded (see
// fake_encoder.cpp): one record per start, its process id and arguments.
#ifndef FAKE_ENCODER_LOG_H
#define FAKE_ENCODER_LOG_H

#include <string>
#include <sys/types.h>
#include <vector>

class FakeEncoderLog {
public:
	struct Record {
		pid_t pid;
		std::vector<std::string> arguments;
	};

	explicit FakeEncoderLog(std::string path);

	const std::string& Path() const;
	// Every record so far, in the order the encoders wrote them.
	std::vector<Record> Records() const;

	// The arguments as one line ("[-b] [128] [a b]"), for failure output.
	static std::string Describe(const std::vector<std::string>& arguments);

private:
	std::string fPath;
};

#endif // FAKE_ENCODER_LOG_H
