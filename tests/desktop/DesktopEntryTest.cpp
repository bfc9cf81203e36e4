#include "DesktopEntry.h"
#include "TextFile.h"

#include <climits>
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/Command.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"

namespace {

const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";

// Points $XDG_DATA_HOME at a temporary folder for one test.
class DesktopEntryTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		fEnvironment.Set("XDG_DATA_HOME", fTemp.Path());
	}

	TempDirectory fTemp;
	ScopedEnvironment fEnvironment;
};

} // namespace

TEST(DesktopEntryNames, ComeFromTheSignature)
{
	DesktopEntry entry(kSignature);
	ASSERT_EQ(entry.InitCheck(), B_OK);
	EXPECT_EQ(entry.Id(), "vorlix-ogg-vorbis-frontend.desktop");
	EXPECT_EQ(DesktopEntry("application/x-vnd.Be-elfexecutable").Id(), "be-elfexecutable.desktop");
	EXPECT_EQ(DesktopEntry("text/plain").InitCheck(), B_BAD_VALUE);
	EXPECT_EQ(DesktopEntry("application/x-vnd.").InitCheck(), B_BAD_VALUE);
}

TEST(DesktopEntryNames, ExecArgumentsAreQuotedAndEscaped)
{
	EXPECT_EQ(DesktopEntry::QuoteExecArgument("/usr/bin/prog"), "\"/usr/bin/prog\"");
	EXPECT_EQ(DesktopEntry::QuoteExecArgument("/opt/my prog"), "\"/opt/my prog\"");
	// A quote, a dollar and a backslash get a backslash, which the string
	// escaping of the file then doubles; a percent sign doubles.
	EXPECT_EQ(DesktopEntry::QuoteExecArgument("a\"b$c\\d%e"), "\"a\\\\\"b\\\\$c\\\\\\\\d%%e\"");
}

TEST_F(DesktopEntryTest, ListsItsTypesAndGoesWithTheLast)
{
	DesktopEntry entry(kSignature);
	ASSERT_EQ(entry.AddType("text/x-VorlixOggVorbisFronted-list"), B_OK);
	ASSERT_EQ(entry.AddType("text/x-other"), B_OK);
	ASSERT_EQ(entry.AddType("text/x-other"), B_OK);
	EXPECT_EQ(entry.Types(),
	          (std::vector<std::string>{"text/x-VorlixOggVorbisFronted-list", "text/x-other"}));
	EXPECT_EQ(entry.Path(), fTemp / "applications/vorlix-ogg-vorbis-frontend.desktop");

	std::string content;
	ASSERT_EQ(TextFile::Read(entry.Path(), &content), B_OK);
	char self[PATH_MAX];
	ssize_t length = readlink("/proc/self/exe", self, sizeof(self));
	ASSERT_GT(length, 0);
	EXPECT_NE(content.find("\nExec=\"" + std::string(self, length) + "\" %F\n"), std::string::npos)
	    << content;
	EXPECT_NE(content.find("\nStartupWMClass=VorlixOggVorbisFrontend\n"), std::string::npos)
	    << "the class of the program's windows: " << content;
	if (Command::Exists("desktop-file-validate")) {
		std::string complaints;
		EXPECT_EQ(Command::Run({"desktop-file-validate", entry.Path()}, &complaints), 0)
		    << complaints;
	}

	ASSERT_EQ(entry.RemoveType("text/x-other"), B_OK);
	EXPECT_EQ(entry.Types(), (std::vector<std::string>{"text/x-VorlixOggVorbisFronted-list"}));
	ASSERT_EQ(entry.RemoveType("text/x-VorlixOggVorbisFronted-list"), B_OK);
	EXPECT_FALSE(TextFile::Exists(entry.Path()));
}

TEST_F(DesktopEntryTest, AnInstalledEntryIsNeitherRewrittenNorRemoved)
{
	const std::string installed = "[Desktop Entry]\nType=Application\nName=Installata\n"
	                              "Icon=installata\nExec=installata %F\nMimeType=text/x-a;\n";
	// Put in the user's own data folder by a per-user install.
	DesktopEntry entry(kSignature);
	ASSERT_EQ(TextFile::Write(entry.Path(), installed), B_OK);
	EXPECT_FALSE(entry.IsOwn());
	EXPECT_TRUE(entry.IsInstalled());
	EXPECT_EQ(entry.AddType("text/x-b"), B_OK);
	EXPECT_EQ(entry.RemoveType("text/x-a"), B_OK);
	std::string content;
	ASSERT_EQ(TextFile::Read(entry.Path(), &content), B_OK);
	EXPECT_EQ(content, installed);

	// Put in a system folder: an entry of the program's own would hide it.
	ASSERT_EQ(TextFile::Remove(entry.Path()), B_OK);
	fEnvironment.Set("XDG_DATA_DIRS", fTemp / "system");
	ASSERT_EQ(TextFile::Write(fTemp / ("system/applications/" + entry.Id()), installed), B_OK);
	EXPECT_TRUE(entry.IsInstalled());
	EXPECT_EQ(entry.AddType("text/x-b"), B_OK);
	EXPECT_FALSE(TextFile::Exists(entry.Path()));
}
