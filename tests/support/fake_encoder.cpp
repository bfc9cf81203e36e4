// A stand-in for the encoder. It appends one record of its arguments to the
// file named by FAKE_ENCODER_LOG, writes FAKE_ENCODER_STDERR (if set) to its
// standard error, as the real encoder writes its progress and its errors,
// then does what FAKE_ENCODER_MODE says:
//   exit (or unset)  end at once with status 0
//   fail             end at once with status 1
//   crash            end by SIGSEGV
//   hang             wait until killed
//   output           write 8 MiB to standard output and 8 MiB to standard
//                    error, then end
// A record is one line: the process id, then for every argument a tab and
// the argument's bytes in hexadecimal, so any byte survives.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

static void
Record(int argc, char** argv)
{
	const char* log = getenv("FAKE_ENCODER_LOG");
	if (log == nullptr)
		return;
	static const char kDigits[] = "0123456789abcdef";
	std::string line = std::to_string(getpid());
	for (int i = 1; i < argc; i++) {
		line += '\t';
		for (const char* p = argv[i]; *p != '\0'; p++) {
			line += kDigits[(unsigned char)*p >> 4];
			line += kDigits[(unsigned char)*p & 0xf];
		}
	}
	line += '\n';
	// One write on an O_APPEND descriptor keeps records whole even when
	// several encoders run at once.
	int fd = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
	if (fd < 0)
		return;
	ssize_t written = write(fd, line.data(), line.size());
	close(fd);
	if (written != (ssize_t)line.size())
		exit(3);
}

static bool
WriteAll(int fd, const char* data, size_t size)
{
	while (size > 0) {
		ssize_t written = write(fd, data, size);
		if (written < 0)
			return false;
		data += written;
		size -= (size_t)written;
	}
	return true;
}

int
main(int argc, char** argv)
{
	Record(argc, argv);
	if (const char* text = getenv("FAKE_ENCODER_STDERR"))
		WriteAll(STDERR_FILENO, text, strlen(text));
	const char* mode = getenv("FAKE_ENCODER_MODE");
	if (mode == nullptr || strcmp(mode, "exit") == 0)
		return 0;
	if (strcmp(mode, "fail") == 0)
		return 1;
	if (strcmp(mode, "crash") == 0) {
		signal(SIGSEGV, SIG_DFL);
		raise(SIGSEGV);
		return 4;
	}
	if (strcmp(mode, "hang") == 0) {
		for (;;)
			pause();
	}
	if (strcmp(mode, "output") == 0) {
		static char block[65536];
		memset(block, 'x', sizeof(block));
		for (int i = 0; i < 128; i++) {
			if (!WriteAll(STDOUT_FILENO, block, sizeof(block)) ||
			    !WriteAll(STDERR_FILENO, block, sizeof(block)))
				return 1;
		}
		return 0;
	}
	return 2;
}
