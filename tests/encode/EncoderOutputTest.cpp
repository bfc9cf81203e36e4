#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "encode/EncoderOutput.h"

namespace {

// What the real encoder writes on its standard error for a short file.
const std::string kEncoded =
    "Opening with wav module: WAV file reader\n"
    "Encoding \"t.wav\" to \n         \"t.ogg\" \nat quality 3.00\n"
    "\r\t[ 32.5%] [ 0m00s remaining] | \r\t[ 63.5%] [ 0m00s remaining] / "
    "\r\t[ 94.4%] [ 0m00s remaining] - \n\nDone encoding file \"t.ogg\"\n\n"
    "\tFile length:  0m 03.0s\n\tAverage bitrate: 27.2 kb/s\n\n";

struct Case {
	const char* name;
	std::string output;
	float fraction;
	std::string lastLine;
};

} // namespace

// Each output is fed whole and a byte at a time: pieces may be cut anywhere.
TEST(EncoderOutput, ReadsProgressAndKeepsTheLastLineWhereverThePiecesAreCut)
{
	std::string longLine = std::string(98, 'x') + "èèè tail";
	const std::vector<Case> cases = {
	    {"nothing", "", 0, ""},
	    {"a whole encoding", kEncoded, 0.944f, "Average bitrate: 27.2 kb/s"},
	    {"an error", "ERROR: Input file \"a.wav\" is not a supported format\n", 0,
	     "ERROR: Input file \"a.wav\" is not a supported format"},
	    {"progress being written", "\r\t[ 12.5%] [ 0m09s remaining] |", 0.125f,
	     "[ 12.5%] [ 0m09s remaining] |"},
	    {"a decimal comma", "\r\t[ 47,0%] [ 0m03s remaining] |", 0.47f,
	     "[ 47,0%] [ 0m03s remaining] |"},
	    {"progress, then an error", "\r\t[ 50.0%] [ 0m03s remaining] |\nERROR: disco pieno\n \t\n",
	     0.5f, "ERROR: disco pieno"},
	    {"no percentage", "\r\tEncoding [ 0m03s so far] |\r[100]\r[ x%]\r[5%", 0, "[5%"},
	    {"over a hundred", "[ 150.0%]\n", 1, "[ 150.0%]"},
	    {"a long line, cut between characters", longLine + "\n", 0, std::string(98, 'x') + "è..."},
	    {"a flood without an end", std::string(100000, 'y'), 0, std::string(100, 'y') + "..."},
	};
	for (const Case& test : cases) {
		for (bool bytewise : {false, true}) {
			SCOPED_TRACE(std::string(test.name) + (bytewise ? ", a byte at a time" : ", whole"));
			EncoderOutput output;
			if (bytewise) {
				for (char c : test.output)
					output.Add(&c, 1);
			} else {
				output.Add(test.output.data(), test.output.size());
			}
			EXPECT_FLOAT_EQ(output.Fraction(), test.fraction);
			EXPECT_EQ(output.LastLine(), test.lastLine);
		}
	}
}
