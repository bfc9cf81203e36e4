// The stamp encoder: a stand-in encoder that appends one StampLog record to
// the file named by STAMP_ENCODER_LOG and ends at once. The start is read
// first thing, the end just before the record is written, so that the
// time between one encoder's end and the next one's start holds as little
// of the stand-in's own work as possible.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

static long long
Now()
{
	timespec now;
	clock_gettime(CLOCK_MONOTONIC, &now);
	return now.tv_sec * 1000000000LL + now.tv_nsec;
}

int
main()
{
	long long start = Now();
	const char* log = getenv("STAMP_ENCODER_LOG");
	if (log == nullptr)
		return 2;
	int fd = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
	if (fd < 0)
		return 1;
	char line[80];
	int length = snprintf(line, sizeof(line), "%d %lld %lld\n", (int)getpid(), start, Now());
	// One write on an O_APPEND descriptor keeps the records whole.
	bool written = write(fd, line, length) == length;
	close(fd);
	return written ? 0 : 1;
}
