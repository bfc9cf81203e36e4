// WaveFile: writes the audio that the tests and the benchmarks encode:
// RIFF WAVE, 16-bit PCM, 44.1 kHz stereo. The sound is a few drifting
// tones over quiet noise, so that the encoder works as on music rather than
// on silence; the same seed gives the same bytes.
#ifndef WAVE_FILE_H
#define WAVE_FILE_H

#include <cstdint>
#include <string>

class WaveFile {
public:
	static constexpr uint32_t kRate = 44100;
	static constexpr uint16_t kChannels = 2;
	static constexpr uint16_t kBitsPerSample = 16;
	static constexpr uint32_t kHeaderSize = 44;

	// False when the file could not be written whole.
	static bool Write(const std::string& path, double seconds = 0.25, uint32_t seed = 0);
};

#endif // WAVE_FILE_H
