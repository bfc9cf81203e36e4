#include <Errors.h>
#include <SupportDefs.h>
#include <TypeConstants.h>

#include <cerrno>
#include <gtest/gtest.h>

TEST(Errors, ErrnoValuesBecomeStatusCodes)
{
	EXPECT_EQ(status_from_errno(0), B_OK);
	EXPECT_EQ(status_from_errno(ENOENT), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(status_from_errno(ENODATA), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(status_from_errno(EBADF), B_FILE_ERROR);
	EXPECT_EQ(status_from_errno(EACCES), B_PERMISSION_DENIED);
	EXPECT_EQ(status_from_errno(EISDIR), B_IS_A_DIRECTORY);
	EXPECT_EQ(status_from_errno(ENOSPC), B_DEVICE_FULL);
	EXPECT_EQ(status_from_errno(EFBIG), B_DEVICE_FULL);
	EXPECT_EQ(status_from_errno(ENOTSUP), B_UNSUPPORTED);
	// Anything unknown is still an error, never success.
	EXPECT_EQ(status_from_errno(EDOM), B_ERROR);
}
