#include "WaveFile.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

void
PutLittle(std::vector<uint8_t>* bytes, uint32_t value, int size)
{
	for (int i = 0; i < size; i++)
		bytes->push_back((value >> (8 * i)) & 0xff);
}

void
PutTag(std::vector<uint8_t>* bytes, const char* tag)
{
	bytes->insert(bytes->end(), tag, tag + 4);
}

std::vector<uint8_t>
Header(uint32_t dataSize)
{
	const uint32_t blockAlign = WaveFile::kChannels * WaveFile::kBitsPerSample / 8;
	std::vector<uint8_t> header;
	PutTag(&header, "RIFF");
	PutLittle(&header, 36 + dataSize, 4);
	PutTag(&header, "WAVE");
	PutTag(&header, "fmt ");
	PutLittle(&header, 16, 4);
	PutLittle(&header, 1, 2);
	PutLittle(&header, WaveFile::kChannels, 2);
	PutLittle(&header, WaveFile::kRate, 4);
	PutLittle(&header, WaveFile::kRate * blockAlign, 4);
	PutLittle(&header, blockAlign, 2);
	PutLittle(&header, WaveFile::kBitsPerSample, 2);
	PutTag(&header, "data");
	PutLittle(&header, dataSize, 4);
	return header;
}

} // namespace

bool
WaveFile::Write(const std::string& path, double seconds, uint32_t seed)
{
	const uint32_t frames = (uint32_t)std::lround(seconds * kRate);
	std::vector<uint8_t> bytes = Header(frames * kChannels * (kBitsPerSample / 8));
	bytes.reserve(kHeaderSize + frames * kChannels * 2);
	uint32_t noise = seed * 2654435761u + 1;
	const double base = 110.0 * (1 + seed % 7);
	for (uint32_t frame = 0; frame < frames; frame++) {
		double time = (double)frame / kRate;
		for (int channel = 0; channel < kChannels; channel++) {
			double sound = 0;
			for (int tone = 1; tone <= 3; tone++) {
				double frequency = base * tone * (1 + 0.02 * std::sin(time * (channel + 1)));
				sound += 0.2 / tone * std::sin(2 * M_PI * frequency * time);
			}
			noise = noise * 1664525u + 1013904223u;
			sound += 0.02 * ((double)(noise >> 8) / (1 << 24) - 0.5);
			PutLittle(&bytes, (uint16_t)(int16_t)std::lround(sound * 32767), 2);
		}
	}
	std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "wb"), fclose);
	if (!file)
		return false;
	return fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
	       fflush(file.get()) == 0;
}
