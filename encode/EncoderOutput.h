// EncoderOutput: what one encoder writes on its standard error, taken in as
// it arrives, in pieces cut anywhere. A line ends at a carriage return or a
// newline: the encoder rewrites its progress line in place with carriage
// returns. A progress line ("[ 47.0%] [ 0m03s remaining] |", with a point
// or a comma before the decimals) tells how far the file has come, even
// before it ends. The last line that is not blank is kept for the report
// of a file that failed, without its blanks around it and cut to
// kMaxLineLength bytes (with "..." after it when cut).
//
// No lock: used by one thread at a time.
#ifndef ENCODER_OUTPUT_H
#define ENCODER_OUTPUT_H

#include <string>

#include <SupportDefs.h>

class EncoderOutput {
public:
	static constexpr size_t kMaxLineLength = 100;

	EncoderOutput();

	void Add(const char* data, size_t size);

	// From 0 to 1; 0 until a progress line came.
	float Fraction() const;
	// The last line that is not blank, the one being written included;
	// empty when there is none.
	std::string LastLine() const;

private:
	void _EndLine();
	// A progress line sets fFraction; any other line leaves it.
	void _ReadProgress(const std::string& line);
	static std::string _Cut(const std::string& line);

	// The line being written, without its leading blanks, and only as much
	// of it as could be kept.
	std::string fLine;
	std::string fLastLine;
	float fFraction;
};

#endif // ENCODER_OUTPUT_H
