// The benchmarks' own ways of starting programs and making their input:
// the spawn the reference loops use, the stamp encoder and the WAV files
// the encoder reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "PlainSpawn.h"
#include "StampLog.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/WaveFile.h"

namespace {

uint32_t
Little(const std::string& bytes, size_t offset, int size)
{
	uint32_t value = 0;
	for (int i = size - 1; i >= 0; i--)
		value = value << 8 | (uint8_t)bytes[offset + i];
	return value;
}

TEST(PlainSpawnTest, ReportsHowTheProgramEnded)
{
	EXPECT_EQ(PlainSpawn::Run({"/bin/sh", "-c", "exit 3"}), 3);
	EXPECT_EQ(PlainSpawn::Run({"/bin/sh", "-c", "kill -KILL $$"}), -1);
	EXPECT_EQ(PlainSpawn::Run({"/nowhere/program"}), -1);
	EXPECT_EQ(PlainSpawn::Run({}), -1);
}

TEST(PlainSpawnTest, ExtraEnvironmentReplacesAndAdds)
{
	// The variable exists once, with the new value, and the rest of the
	// environment is still there.
	pid_t pid = PlainSpawn::Start(
	    {"/bin/sh", "-c",
	     "[ \"$HOME\" = /elsewhere ] && [ \"$BENCH_EXTRA\" = 1 ] && [ -n \"$PATH\" ] && "
	     "[ \"$(env | grep -c '^HOME=')\" = 1 ]"},
	    {"HOME=/elsewhere", "BENCH_EXTRA=1"});
	ASSERT_GT(pid, 0);
	EXPECT_EQ(PlainSpawn::Wait(pid), 0);
}

TEST(StampEncoderTest, RecordsItsStartAndEnd)
{
	TempDirectory folder;
	std::string log = folder / "stamps.log";
	std::string command =
	    std::string("STAMP_ENCODER_LOG='") + log + "' exec " + STAMP_ENCODER_PATH + " one.wav";
	for (int run = 0; run < 3; run++)
		ASSERT_EQ(PlainSpawn::Run({"/bin/sh", "-c", command}), 0);
	std::vector<StampLog::Stamp> stamps = StampLog::Read(log);
	ASSERT_EQ(stamps.size(), 3u) << TempDirectory::ReadFile(log);
	Samples gaps = StampLog::Gaps(stamps);
	// One after the other: each started after the one before ended.
	EXPECT_GT(gaps.Minimum(), 0);
	// Without a log to write to it says so.
	EXPECT_EQ(PlainSpawn::Run({"/bin/sh", "-c",
	                           std::string("unset STAMP_ENCODER_LOG; exec ") + STAMP_ENCODER_PATH}),
	          2);
}

TEST(WaveFileTest, WritesCanonicalPcm)
{
	TempDirectory folder;
	std::string path = folder / "tone.wav";
	ASSERT_TRUE(WaveFile::Write(path, 0.5, 3));
	std::string bytes = TempDirectory::ReadFile(path);
	const uint32_t frames = 22050;
	ASSERT_EQ(bytes.size(), WaveFile::kHeaderSize + frames * 4);
	EXPECT_EQ(bytes.substr(0, 4), "RIFF");
	EXPECT_EQ(Little(bytes, 4, 4), bytes.size() - 8);
	EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
	EXPECT_EQ(Little(bytes, 16, 4), 16u);
	EXPECT_EQ(Little(bytes, 20, 2), 1u);
	EXPECT_EQ(Little(bytes, 22, 2), 2u);
	EXPECT_EQ(Little(bytes, 24, 4), 44100u);
	EXPECT_EQ(Little(bytes, 28, 4), 44100u * 4);
	EXPECT_EQ(Little(bytes, 32, 2), 4u);
	EXPECT_EQ(Little(bytes, 34, 2), 16u);
	EXPECT_EQ(bytes.substr(36, 4), "data");
	EXPECT_EQ(Little(bytes, 40, 4), frames * 4);
}

TEST(WaveFileTest, SoundDependsOnTheSeedOnly)
{
	TempDirectory folder;
	ASSERT_TRUE(WaveFile::Write(folder / "a.wav", 0.2, 1));
	ASSERT_TRUE(WaveFile::Write(folder / "b.wav", 0.2, 1));
	ASSERT_TRUE(WaveFile::Write(folder / "c.wav", 0.2, 2));
	std::string a = TempDirectory::ReadFile(folder / "a.wav");
	EXPECT_EQ(a, TempDirectory::ReadFile(folder / "b.wav"));
	EXPECT_NE(a, TempDirectory::ReadFile(folder / "c.wav"));
	// Loud enough to be music to the encoder, never clipped.
	int peak = 0;
	for (size_t offset = WaveFile::kHeaderSize; offset + 1 < a.size(); offset += 2)
		peak = std::max(peak, std::abs((int)(int16_t)Little(a, offset, 2)));
	EXPECT_GT(peak, 8000);
	EXPECT_LT(peak, 32767);
	EXPECT_FALSE(WaveFile::Write(folder / "missing/d.wav", 0.1, 1));
}

} // namespace
