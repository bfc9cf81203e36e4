#include <AppFileInfo.h>
#include <Bitmap.h>
#include <Message.h>

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/support/TempDirectory.h"

namespace {

// A program built with the application's resources.
class AppFileInfoTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		fCarrier = fTemp / "carrier";
		std::filesystem::copy_file(RESOURCE_CARRIER_PATH, fCarrier);
		ASSERT_EQ(fFile.SetTo(fCarrier.c_str(), B_READ_ONLY), B_OK);
		ASSERT_EQ(fInfo.SetTo(&fFile), B_OK);
	}

	TempDirectory fTemp;
	std::string fCarrier;
	BFile fFile;
	BAppFileInfo fInfo;
};

int
CountColour(const BBitmap& icon, uint8 colour)
{
	const uint8* bits = static_cast<const uint8*>(icon.Bits());
	int count = 0;
	for (int32 i = 0; i < icon.BitsLength(); i++)
		count += bits[i] == colour;
	return count;
}

} // namespace

TEST_F(AppFileInfoTest, ReadsTheApplicationsResources)
{
	char signature[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(fInfo.GetSignature(signature), B_OK);
	EXPECT_STREQ(signature, "application/x-vnd.VorlixOggVorbisFrontend");

	uint32 flags = 0;
	ASSERT_EQ(fInfo.GetAppFlags(&flags), B_OK);
	EXPECT_EQ(flags, 1u);

	BMessage types;
	ASSERT_EQ(fInfo.GetSupportedTypes(&types), B_OK);
	const char* type = nullptr;
	ASSERT_EQ(types.FindString("types", &type), B_OK);
	EXPECT_STREQ(type, "text/x-VorlixOggVorbisFronted-list");
	EXPECT_EQ(types.FindString("types", 1, &type), B_BAD_INDEX);

	version_info version;
	ASSERT_EQ(fInfo.GetVersionInfo(&version, B_APP_VERSION_KIND), B_OK);
	EXPECT_EQ(version.major, 1u);
	EXPECT_EQ(version.middle, 2u);
	EXPECT_EQ(version.minor, 97u);
	EXPECT_EQ(version.variety, (uint32)B_APPV_FINAL);
	EXPECT_EQ(version.internal, 0u);
	EXPECT_STREQ(version.long_info, "Una semplice interfaccia per Oggenc, per creare file audio in "
	                                "formato Ogg Vorbis. Versione italiana.");
}

TEST_F(AppFileInfoTest, IconsAreDrawnInTheColourMap)
{
	BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
	BBitmap mini(BRect(0, 0, 15, 15), B_CMAP8);
	ASSERT_EQ(fInfo.GetIcon(&large, B_LARGE_ICON), B_OK);
	ASSERT_EQ(fInfo.GetIcon(&mini, B_MINI_ICON), B_OK);
	for (const BBitmap* icon : {&large, &mini}) {
		// Transparent around the sheet, and the note in dark blue on it.
		EXPECT_EQ(static_cast<const uint8*>(icon->Bits())[0], 255);
		EXPECT_GT(CountColour(*icon, 255), 20);
		EXPECT_GT(CountColour(*icon, 36), 10);
		EXPECT_GT(CountColour(*icon, 254), 20);
	}
}

TEST_F(AppFileInfoTest, BitmapMustFitTheIcon)
{
	BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
	BBitmap wrongSpace(BRect(0, 0, 31, 31), B_RGB32);
	EXPECT_EQ(fInfo.GetIcon(&large, B_MINI_ICON), B_BAD_VALUE);
	EXPECT_EQ(fInfo.GetIcon(&wrongSpace, B_LARGE_ICON), B_BAD_VALUE);
	EXPECT_EQ(fInfo.GetIcon(nullptr, B_LARGE_ICON), B_BAD_VALUE);
}

// The resources come from the file, not from the running program: this test
// program carries none.
TEST(AppFileInfo, FilesWithoutResources)
{
	TempDirectory temp;
	BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
	char signature[B_MIME_TYPE_LENGTH];
	std::string text = temp.WriteFile("text", "not a program at all");
	for (const std::string& path : {std::string("/proc/self/exe"), text}) {
		SCOPED_TRACE(path);
		BFile file(path.c_str(), B_READ_ONLY);
		BAppFileInfo info(&file);
		ASSERT_EQ(info.InitCheck(), B_OK);
		EXPECT_EQ(info.GetIcon(&large, B_LARGE_ICON), B_ENTRY_NOT_FOUND);
		EXPECT_EQ(info.GetSignature(signature), B_ENTRY_NOT_FOUND);
	}

	BAppFileInfo unset;
	EXPECT_EQ(unset.GetSignature(signature), B_NO_INIT);
	BFile closed;
	EXPECT_EQ(unset.SetTo(&closed), B_NO_INIT);
	EXPECT_EQ(unset.GetIcon(&large, B_LARGE_ICON), B_NO_INIT);
}

TEST_F(AppFileInfoTest, CutProgramsFailCleanly)
{
	off_t size = 0;
	ASSERT_EQ(fFile.GetSize(&size), B_OK);
	std::string content(size, '\0');
	ASSERT_EQ(fFile.ReadAt(0, content.data(), size), size);
	BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
	// Cut inside the header, the sections and the section header table.
	for (off_t length : {(off_t)10, (off_t)64, size / 2, size - 200, size - 1}) {
		SCOPED_TRACE(length);
		std::string path = fTemp.WriteFile("cut", content.substr(0, length));
		BFile file(path.c_str(), B_READ_ONLY);
		BAppFileInfo info(&file);
		status_t status = info.GetIcon(&large, B_LARGE_ICON);
		EXPECT_TRUE(status == B_ENTRY_NOT_FOUND || status == B_BAD_DATA) << status;
	}
}
