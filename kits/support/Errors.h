// Status codes with their BeOS values. Linux errno values never cross the
// kit boundary: status_from_errno() translates them.
#ifndef _ERRORS_H
#define _ERRORS_H

#include <climits>
#include <cstdint>

#define B_GENERAL_ERROR_BASE INT_MIN
#define B_OS_ERROR_BASE (B_GENERAL_ERROR_BASE + 0x1000)
#define B_APP_ERROR_BASE (B_GENERAL_ERROR_BASE + 0x2000)
#define B_STORAGE_ERROR_BASE (B_GENERAL_ERROR_BASE + 0x6000)

enum {
	B_OK = 0,
	B_NO_ERROR = 0,
	B_ERROR = -1,

	B_NO_MEMORY = B_GENERAL_ERROR_BASE,
	B_IO_ERROR,
	B_PERMISSION_DENIED,
	B_BAD_INDEX,
	B_BAD_TYPE,
	B_BAD_VALUE,
	B_MISMATCHED_VALUES,
	B_NAME_NOT_FOUND,
	B_NAME_IN_USE,
	B_TIMED_OUT,
	B_INTERRUPTED,
	B_WOULD_BLOCK,
	B_CANCELED,
	B_NO_INIT,
	B_BUSY,
	B_NOT_ALLOWED,
	B_BAD_DATA,

	B_BAD_THREAD_ID = B_OS_ERROR_BASE + 0x100,
	B_NO_MORE_THREADS,
	B_BAD_THREAD_STATE,
	B_BAD_TEAM_ID,
	B_NO_MORE_TEAMS,
	B_NOT_AN_EXECUTABLE = B_OS_ERROR_BASE + 0x302,

	B_BAD_REPLY = B_APP_ERROR_BASE,
	B_MESSAGE_TO_SELF = B_APP_ERROR_BASE + 2,
	B_BAD_HANDLER,
	B_ALREADY_RUNNING,
	B_LAUNCH_FAILED,
	B_AMBIGUOUS_APP_LAUNCH,
	B_UNKNOWN_MIME_TYPE,
	B_BAD_SCRIPT_SYNTAX,
	B_LAUNCH_FAILED_NO_RESOLVE_LINK,
	B_LAUNCH_FAILED_EXECUTABLE,
	B_LAUNCH_FAILED_APP_NOT_FOUND,
	B_LAUNCH_FAILED_APP_IN_TRASH,
	B_LAUNCH_FAILED_NO_PREFERRED_APP,
	B_LAUNCH_FAILED_FILES_APP_NOT_FOUND,

	B_FILE_ERROR = B_STORAGE_ERROR_BASE,
	B_FILE_NOT_FOUND,
	B_FILE_EXISTS,
	B_ENTRY_NOT_FOUND,
	B_NAME_TOO_LONG,
	B_NOT_A_DIRECTORY,
	B_DIRECTORY_NOT_EMPTY,
	B_DEVICE_FULL,
	B_READ_ONLY_DEVICE,
	B_IS_A_DIRECTORY,
	B_NO_MORE_FDS,
	B_CROSS_DEVICE_LINK,
	B_LINK_LIMIT,
	B_BUSTED_PIPE,
	B_UNSUPPORTED,
};

// Stored attributes and peers compare these numbers, so they must be the
// BeOS values, not whatever the enum happens to count to.
static_assert(B_OK == 0);
static_assert((uint32_t)B_FILE_ERROR == 0x80006000u);
static_assert((uint32_t)B_ENTRY_NOT_FOUND == 0x80006003u);
static_assert((uint32_t)B_BAD_VALUE == 0x80000005u);
static_assert((uint32_t)B_NAME_NOT_FOUND == 0x80000007u);
static_assert((uint32_t)B_BAD_INDEX == 0x80000003u);
static_assert((uint32_t)B_NO_INIT == 0x8000000Du);
static_assert((uint32_t)B_BAD_TEAM_ID == 0x80001103u);
static_assert((uint32_t)B_NOT_AN_EXECUTABLE == 0x80001302u);
static_assert((uint32_t)B_LAUNCH_FAILED == 0x80002005u);
static_assert((uint32_t)B_LAUNCH_FAILED_FILES_APP_NOT_FOUND == 0x8000200Eu);
static_assert((uint32_t)B_UNSUPPORTED == 0x8000600Eu);

// The status code for a Linux errno value; 0 gives B_OK.
int status_from_errno(int error);

#endif // _ERRORS_H
