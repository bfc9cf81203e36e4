#include "MimeApps.h"
#include "TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
	bool added = false;
	ASSERT_EQ(apps.AddDefault(kType, kId, &added), B_OK);
	EXPECT_TRUE(added);
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

	bool added = false;
	ASSERT_EQ(apps.AddDefault(kType, kId, &added), B_OK);
	EXPECT_TRUE(added);
	std::string expected = kOthers;
	expected.insert(expected.find("\n\n[Removed") + 1, kType + "=" + kId + ";\n");
	EXPECT_EQ(Content(), expected);

	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_EQ(Content(), kOthers);
}

TEST_F(MimeAppsTest, ADefaultThereStaysOnlyAnEmptyOneIsFilled)
{
	for (const std::string& chosen :
	     {std::string("old.desktop;"), "old.desktop;" + kId + ";", kId + ";"}) {
		std::string user = "[Default Applications]\n" + kType + "=" + chosen + "\n";
		ASSERT_EQ(TextFile::Write(fPath, user), B_OK);
		bool added = true;
		ASSERT_EQ(MimeApps(fPath).AddDefault(kType, kId, &added), B_OK);
		EXPECT_FALSE(added) << chosen;
		EXPECT_EQ(Content(), user);
	}
	ASSERT_EQ(TextFile::Write(fPath, "[Default Applications]\n" + kType + "= ;\n"), B_OK);
	bool added = false;
	ASSERT_EQ(MimeApps(fPath).AddDefault(kType, kId, &added), B_OK);
	EXPECT_TRUE(added);
	EXPECT_EQ(Content(), "[Default Applications]\n" + kType + "=" + kId + ";\n");
}

TEST_F(MimeAppsTest, ALinkedListStaysALinkAndKeepsItsMode)
{
	// The user keeps the file elsewhere, readable only by its owner.
	std::string kept = fTemp / "dotfiles/mimeapps.list";
	ASSERT_EQ(TextFile::Write(kept, kOthers), B_OK);
	ASSERT_EQ(chmod(kept.c_str(), 0600), 0);
	ASSERT_EQ(mkdir((fTemp / "config").c_str(), 0700), 0);
	ASSERT_EQ(symlink("../dotfiles/mimeapps.list", fPath.c_str()), 0);

	MimeApps apps(fPath);
	bool added = false;
	ASSERT_EQ(apps.AddDefault(kType, kId, &added), B_OK);
	ASSERT_EQ(apps.AddDefault("audio/x-wav", kId, &added), B_OK);
	EXPECT_TRUE(std::filesystem::is_symlink(fPath));
	EXPECT_EQ(apps.Default(kType), kId);
	EXPECT_EQ(apps.Default("audio/x-wav"), "player.desktop");
	struct stat status;
	ASSERT_EQ(stat(kept.c_str(), &status), 0);
	EXPECT_EQ(status.st_mode & 07777, 0600u);

	// Left with nothing of its own, the file still stays behind the link.
	ASSERT_EQ(TextFile::Write(kept, "[Default Applications]\n" + kType + "=" + kId + ";\n"), B_OK);
	ASSERT_EQ(apps.RemoveDefault(kType, kId), B_OK);
	EXPECT_TRUE(std::filesystem::is_symlink(fPath));
	EXPECT_EQ(TempDirectory::ReadFile(kept), "");
}

TEST_F(MimeAppsTest, ProgramsAddingAtOnceKeepEachOthersLines)
{
	// Two programs, each with its own descriptor and lock, as two
	// instances have.
	const int kTypes = 40;
	auto add = [this](const std::string& prefix) {
		for (int i = 0; i < kTypes; i++) {
			bool added = false;
			EXPECT_EQ(MimeApps(fPath).AddDefault(prefix + std::to_string(i), kId, &added), B_OK);
		}
	};
	std::thread first(add, "text/x-first-");
	std::thread second(add, "text/x-second-");
	first.join();
	second.join();
	MimeApps apps(fPath);
	for (int i = 0; i < kTypes; i++) {
		EXPECT_EQ(apps.Default("text/x-first-" + std::to_string(i)), kId) << i;
		EXPECT_EQ(apps.Default("text/x-second-" + std::to_string(i)), kId) << i;
	}
	std::vector<std::string> left;
	for (const auto& entry : std::filesystem::directory_iterator(fTemp / "config"))
		left.push_back(entry.path().filename());
	EXPECT_EQ(left, std::vector<std::string>{"mimeapps.list"});
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
