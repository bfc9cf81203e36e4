// WaveFile: short WAV files of a tone, for the tests that run the real
// encoder.
#ifndef WAVE_FILE_H
#define WAVE_FILE_H

#include <string>

class WaveFile {
public:
	// A mono 16-bit WAV at 8000 Hz of a tone that lasts that many seconds;
	// false when it could not be written.
	static bool Write(const std::string& path, double seconds = 0.25);
};

#endif // WAVE_FILE_H
