// Open modes and name lengths of the storage kit. The open modes are the
// Linux open(2) flags, as they were the POSIX flags on BeOS.
#ifndef _STORAGE_DEFS_H
#define _STORAGE_DEFS_H

#include <fcntl.h>

#define B_FILE_NAME_LENGTH 256
#define B_PATH_NAME_LENGTH 1024
#define B_ATTR_NAME_LENGTH 256
// The BeOS value, fixed here rather than derived from the host's limits.
#define B_MIME_TYPE_LENGTH 241

enum {
	B_READ_ONLY = O_RDONLY,
	B_WRITE_ONLY = O_WRONLY,
	B_READ_WRITE = O_RDWR,
	B_ACCESS_MODE_MASK = O_ACCMODE,

	B_FAIL_IF_EXISTS = O_EXCL,
	B_CREATE_FILE = O_CREAT,
	B_ERASE_FILE = O_TRUNC,
	B_OPEN_AT_END = O_APPEND,
};

#endif // _STORAGE_DEFS_H
