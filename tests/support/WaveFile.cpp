#include "WaveFile.h"

#include <cmath>
#include <cstdint>
#include <fstream>

bool
WaveFile::Write(const std::string& path, double seconds)
{
	const uint32_t rate = 8000;
	const uint32_t samples = (uint32_t)(rate * seconds);
	std::ofstream out(path, std::ios::binary);
	auto put32 = [&](uint32_t value) { out.write(reinterpret_cast<char*>(&value), 4); };
	auto put16 = [&](uint16_t value) { out.write(reinterpret_cast<char*>(&value), 2); };
	out.write("RIFF", 4);
	put32(36 + samples * 2);
	out.write("WAVEfmt ", 8);
	put32(16);
	put16(1);
	put16(1);
	put32(rate);
	put32(rate * 2);
	put16(2);
	put16(16);
	out.write("data", 4);
	put32(samples * 2);
	for (uint32_t i = 0; i < samples; i++)
		put16((uint16_t)(int16_t)(8000 * std::sin(i * 0.2)));
	out.close();
	return out.good();
}
