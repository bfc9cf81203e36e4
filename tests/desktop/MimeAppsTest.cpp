#include "MimeApps.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempDirectory.h"

namespace {

const std::string kType = "text/x-VorlixOggVorbisFronted-list";
const std::string kId = "vorlix-ogg-vorbis-frontend.desktop";

class MimeAppsTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		fPath = fTemp / "config/mimeapps.list";
	}

	std::string
	Content()
	{
		std::string content;
		return TextFile::Read(fPath, &content) == B_OK ? content : "<missing>";
	}

	TempDirectory fTemp;
	std::string fPath;
};

const std::string kOthers = "# kept as it is\n"
                            "[Added Associations]\n"
                            "text/x-VorlixOggVorbisFronted-list=other.desktop;\n"
                            "\n"
                            "[Default Applications]\n"
                            "text/html=firefox-esr.desktop\n"
                            "audio/x-wav = player.desktop;\n"
                            "\n"
                            "[Removed Associations]\n"
                            "image/png=viewer.desktop;\n";

} // namespace

TEST_F(MimeAppsTest, NewFileGetsTheGroupAndTheLine)
{
	MimeApps apps(fPath);
	EXPECT_EQ(apps.Default(kType), "");
	ASSERT_EQ(apps.SetDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), "[Default Applications]\n" + kType + "=" + kId + ";\n");
	EXPECT_EQ(apps.Default(kType), kId);

	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), "<missing>");
}

TEST_F(MimeAppsTest, OtherEntriesStayAsTheyWere)
{
	ASSERT_EQ(TextFile::Write(fPath, kOthers), B_OK);
	MimeApps apps(fPath);
	// The same key in another group is not a default.
	EXPECT_EQ(apps.Default(kType), "");
	EXPECT_EQ(apps.Default("audio/x-wav"), "player.desktop");

	ASSERT_EQ(apps.SetDefault(kType, kId), B_OK);
	std::string expected = kOthers;
	expected.insert(expected.find("\n\n[Removed") + 1, kType + "=" + kId + ";\n");
	EXPECT_EQ(Content(), expected);

	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), kOthers);
}

TEST_F(MimeAppsTest, SettingAgainReplacesTheLine)
{
	ASSERT_EQ(TextFile::Write(fPath, "[Default Applications]\n" + kType + "=old.desktop;\n"), B_OK);
	MimeApps apps(fPath);
	ASSERT_EQ(apps.SetDefault(kType, kId), B_OK);
	ASSERT_EQ(apps.SetDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), "[Default Applications]\n" + kType + "=" + kId + ";\n");
}

TEST_F(MimeAppsTest, RemovingTakesOutOnlyOurApplication)
{
	ASSERT_EQ(TextFile::Write(fPath, "[Default Applications]\n" + kType + "=" + kId +
	                                     ";other.desktop;\nx/y=z;\n"),
	          B_OK);
	MimeApps apps(fPath);
	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), "[Default Applications]\n" + kType + "=other.desktop;\nx/y=z;\n");
	EXPECT_EQ(apps.Default(kType), "other.desktop");

	// A type whose default is another application is left alone.
	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(apps.Default(kType), "other.desktop");
	EXPECT_EQ(apps.RemoveDefault("no/such-type", kId), B_OK);
}

TEST_F(MimeAppsTest, AGroupLeftEmptyGoesTheRestStays)
{
	ASSERT_EQ(TextFile::Write(fPath, "[Default Applications]\n" + kType + "=" + kId +
	                                     ";\n[Added Associations]\nx/y=z;\n"),
	          B_OK);
	ASSERT_EQ(MimeApps(fPath).RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), "[Added Associations]\nx/y=z;\n");
}
