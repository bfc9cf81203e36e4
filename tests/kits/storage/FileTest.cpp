#include <Entry.h>
#include <File.h>
#include <NodeInfo.h>
#include <TypeConstants.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/MessageLog.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/Watchdog.h"

extern char** environ;

namespace {

class FileTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
	}

	TempDirectory fTemp;
};

// A copy of a small program, running until the test ends it.
class RunningProgram {
public:
	explicit RunningProgram(const std::string& path) : fPid(-1)
	{
		std::filesystem::copy_file(FAKE_ENCODER_PATH, path);
		std::filesystem::permissions(path, std::filesystem::perms::owner_all);
		char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
		std::string mode = "FAKE_ENCODER_MODE=hang";
		char* envp[] = {mode.data(), nullptr};
		// posix_spawn returns once the program runs from its file.
		if (posix_spawn(&fPid, path.c_str(), nullptr, nullptr, argv, envp) != 0)
			fPid = -1;
	}

	~RunningProgram()
	{
		if (fPid > 0) {
			kill(fPid, SIGKILL);
			waitpid(fPid, nullptr, 0);
		}
	}

	pid_t
	Pid() const
	{
		return fPid;
	}

private:
	pid_t fPid;
};

} // namespace

TEST_F(FileTest, CreateEraseAndFailIfExists)
{
	std::string path = fTemp / "list.vfl";
	EXPECT_EQ(BFile(path.c_str(), B_WRITE_ONLY).InitCheck(), B_ENTRY_NOT_FOUND);

	{
		BFile file(path.c_str(), B_WRITE_ONLY | B_CREATE_FILE | B_ERASE_FILE);
		ASSERT_EQ(file.InitCheck(), B_OK);
		EXPECT_EQ(file.Write("first content", 13), 13);
	}
	EXPECT_EQ(TempDirectory::ReadFile(path), "first content");

	{
		BFile file(path.c_str(), B_WRITE_ONLY | B_CREATE_FILE | B_ERASE_FILE);
		ASSERT_EQ(file.InitCheck(), B_OK);
		EXPECT_EQ(file.Write("new", 3), 3);
	}
	EXPECT_EQ(TempDirectory::ReadFile(path), "new");

	{
		BFile file(path.c_str(), B_WRITE_ONLY);
		EXPECT_EQ(file.Write("N", 1), 1);
	}
	EXPECT_EQ(TempDirectory::ReadFile(path), "New");

	{
		BFile file(path.c_str(), B_WRITE_ONLY | B_OPEN_AT_END);
		EXPECT_EQ(file.Write("!", 1), 1);
	}
	EXPECT_EQ(TempDirectory::ReadFile(path), "New!");

	EXPECT_EQ(BFile(path.c_str(), B_WRITE_ONLY | B_CREATE_FILE | B_FAIL_IF_EXISTS).InitCheck(),
	          B_FILE_EXISTS);
	EXPECT_EQ(TempDirectory::ReadFile(path), "New!");
}

TEST_F(FileTest, ReadsAndPositions)
{
	std::string path = fTemp.WriteFile("data", "0123456789");
	BFile file(path.c_str(), B_READ_ONLY);
	ASSERT_EQ(file.InitCheck(), B_OK);
	EXPECT_TRUE(file.IsReadable());
	EXPECT_FALSE(file.IsWritable());
	char buffer[16] = {};
	EXPECT_EQ(file.Read(buffer, 4), 4);
	EXPECT_STREQ(buffer, "0123");
	EXPECT_EQ(file.ReadAt(8, buffer, 16), 2);
	EXPECT_EQ(file.Seek(-3, SEEK_END), 7);
	EXPECT_EQ(file.Read(buffer, 16), 3);
	off_t size = 0;
	EXPECT_EQ(file.GetSize(&size), B_OK);
	EXPECT_EQ(size, 10);
	// Writing needs a writable file.
	EXPECT_LT(file.Write("x", 1), 0);
}

TEST_F(FileTest, FailedWritesReportAStatus)
{
	BFile full("/dev/full", B_WRITE_ONLY);
	ASSERT_EQ(full.InitCheck(), B_OK);
	EXPECT_EQ(full.Write("x", 1), B_DEVICE_FULL);

	BFile closed;
	char buffer[1];
	EXPECT_EQ(closed.Write("x", 1), B_FILE_ERROR);
	EXPECT_EQ(closed.Read(buffer, 1), B_FILE_ERROR);
}

TEST_F(FileTest, DirectoryIsNotAFileAndAPipeOpensWithoutWaiting)
{
	EXPECT_EQ(BFile(fTemp.Path().c_str(), B_READ_ONLY).InitCheck(), B_IS_A_DIRECTORY);
	EXPECT_EQ(BFile(fTemp.Path().c_str(), B_WRITE_ONLY).InitCheck(), B_IS_A_DIRECTORY);

	// The program opens whatever it is handed to read its type: a pipe
	// without a writer must not hold it, nor one without a reader.
	Watchdog watchdog(MessageLog::kTimeout);
	std::string pipe = fTemp / "pipe";
	ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
	EXPECT_NE(BFile(pipe.c_str(), B_WRITE_ONLY).InitCheck(), B_OK);
	BFile reading(pipe.c_str(), B_READ_ONLY);
	ASSERT_EQ(reading.InitCheck(), B_OK);
	struct stat status;
	ASSERT_EQ(reading.GetStat(&status), B_OK);
	EXPECT_TRUE(S_ISFIFO(status.st_mode));
	char type[B_MIME_TYPE_LENGTH];
	EXPECT_NE(BNodeInfo(&reading).GetType(type), B_OK);
}

TEST_F(FileTest, OpensThroughEntriesRefsAndLinks)
{
	std::string path = fTemp.WriteFile("target", "abc");
	ASSERT_EQ(symlink("target", (fTemp / "link").c_str()), 0);
	BEntry link((fTemp / "link").c_str(), false);
	BFile file(&link, B_READ_ONLY);
	ASSERT_EQ(file.InitCheck(), B_OK);
	char buffer[4] = {};
	EXPECT_EQ(file.Read(buffer, 3), 3);
	EXPECT_STREQ(buffer, "abc");

	entry_ref ref;
	ASSERT_EQ(BEntry(path.c_str()).GetRef(&ref), B_OK);
	EXPECT_EQ(BFile(&ref, B_READ_WRITE).InitCheck(), B_OK);
	BEntry unset;
	EXPECT_EQ(BFile(&unset, B_READ_ONLY).InitCheck(), B_BAD_VALUE);
}

// The program keeps its settings as attributes of its own running
// executable, which Linux will not open for writing.
TEST_F(FileTest, RunningProgramTakesAttributesButNotData)
{
	if (!fTemp.SupportsAttributes())
		GTEST_SKIP() << "no directory here keeps user extended attributes";
	std::string path = fTemp / "running program";
	RunningProgram program(path);
	ASSERT_GT(program.Pid(), 0);
	ASSERT_EQ(open(path.c_str(), O_WRONLY), -1);
	ASSERT_EQ(errno, ETXTBSY);

	BFile file(path.c_str(), B_WRITE_ONLY);
	ASSERT_EQ(file.InitCheck(), B_OK);
	EXPECT_FALSE(file.IsWritable());
	const char value[] = "/usr/bin/oggenc";
	EXPECT_EQ(file.WriteAttr("encoder_location", B_STRING_TYPE, 0, value, sizeof(value)),
	          (ssize_t)sizeof(value));
	EXPECT_EQ(file.Write("x", 1), B_FILE_ERROR);

	BFile reader(path.c_str(), B_READ_ONLY);
	char back[32] = {};
	EXPECT_EQ(reader.ReadAttr("encoder_location", B_STRING_TYPE, 0, back, sizeof(back)),
	          (ssize_t)sizeof(value));
	EXPECT_STREQ(back, value);

	// Replacing the content cannot be done, and must say so.
	EXPECT_EQ(BFile(path.c_str(), B_WRITE_ONLY | B_ERASE_FILE).InitCheck(), B_BUSY);
	off_t size = 0;
	EXPECT_EQ(reader.GetSize(&size), B_OK);
	EXPECT_GT(size, 0);
}
