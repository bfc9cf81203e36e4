#include <Errors.h>
#include <SupportDefs.h>
#include <TypeConstants.h>

#include <cerrno>
#include <gtest/gtest.h>

// Stored attributes and peers compare these numbers, so they must be the
// BeOS values, not whatever the enum happens to count to.
TEST(Errors, CodesKeepTheirBeOSValues)
{
	EXPECT_EQ(B_OK, 0);
	EXPECT_EQ((uint32)B_FILE_ERROR, 0x80006000u);
	EXPECT_EQ((uint32)B_ENTRY_NOT_FOUND, 0x80006003u);
	EXPECT_EQ((uint32)B_BAD_VALUE, 0x80000005u);
	EXPECT_EQ((uint32)B_NAME_NOT_FOUND, 0x80000007u);
	EXPECT_EQ((uint32)B_BAD_INDEX, 0x80000003u);
	EXPECT_EQ((uint32)B_NO_INIT, 0x8000000Du);
	EXPECT_EQ((uint32)B_BAD_TEAM_ID, 0x80001103u);
	EXPECT_EQ((uint32)B_NOT_AN_EXECUTABLE, 0x80001302u);
	EXPECT_EQ((uint32)B_LAUNCH_FAILED, 0x80002005u);
	EXPECT_EQ((uint32)B_LAUNCH_FAILED_FILES_APP_NOT_FOUND, 0x8000200Eu);
	EXPECT_EQ((uint32)B_UNSUPPORTED, 0x8000600Eu);
	EXPECT_EQ((uint32)B_STRING_TYPE, 0x43535452u);
	EXPECT_EQ((uint32)B_BOOL_TYPE, 0x424F4F4Cu);
	EXPECT_EQ((uint32)B_REF_TYPE, 0x52524546u);
	EXPECT_EQ((uint32)B_MIME_STRING_TYPE, 0x4D494D53u);
}

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
