#include <AppFileInfo.h>
#include <Bitmap.h>
#include <Message.h>
#include <MimeType.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/Command.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"

namespace {

const char* const kListType = "text/x-VorlixOggVorbisFronted-list";
const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";

// Every test has a user database of its own and no system database.
class MimeTypeTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		fData = fTemp / "data";
		fConfig = fTemp / "config";
		fEnvironment.Set("XDG_DATA_HOME", fData);
		fEnvironment.Set("XDG_CONFIG_HOME", fConfig);
		fEnvironment.Set("XDG_DATA_DIRS", fTemp / "system");
	}

	// What the program sets before it installs the list type.
	void
	Prepare(BMimeType* type)
	{
		ASSERT_EQ(type->SetShortDescription("Vorlix OggVorbis Frontend list"), B_OK);
		ASSERT_EQ(type->SetLongDescription("Vorlix OggVorbis Frontend list"), B_OK);
		ASSERT_EQ(type->SetPreferredApp(kSignature, B_OPEN), B_OK);
		BMessage extensions(0);
		extensions.AddString("extensions", "vfl");
		ASSERT_EQ(type->SetFileExtensions(&extensions), B_OK);

		BFile program(RESOURCE_CARRIER_PATH, B_READ_ONLY);
		BAppFileInfo info(&program);
		BBitmap large(BRect(0, 0, 31, 31), B_CMAP8);
		BBitmap mini(BRect(0, 0, 15, 15), B_CMAP8);
		ASSERT_EQ(info.GetIcon(&large, B_LARGE_ICON), B_OK);
		ASSERT_EQ(info.GetIcon(&mini, B_MINI_ICON), B_OK);
		ASSERT_EQ(type->SetIcon(&large, B_LARGE_ICON), B_OK);
		ASSERT_EQ(type->SetIcon(&mini, B_MINI_ICON), B_OK);
	}

	std::string
	Package()
	{
		return fData + "/mime/packages/text-x-VorlixOggVorbisFronted-list.xml";
	}
	std::string
	Icon(const char* size)
	{
		return fData + "/icons/hicolor/" + size +
		       "/mimetypes/text-x-VorlixOggVorbisFronted-list.png";
	}
	std::string
	DesktopFile()
	{
		return fData + "/applications/vorlix-ogg-vorbis-frontend.desktop";
	}

	// The files below the test's folders whose path or content names the
	// list type.
	std::vector<std::string>
	FilesNamingTheType()
	{
		std::vector<std::string> found;
		for (const auto& entry : std::filesystem::recursive_directory_iterator(fTemp.Path())) {
			std::string path = entry.path().string();
			if (path.find("VorlixOggVorbisFronted") != std::string::npos ||
			    (entry.is_regular_file() &&
			     TempDirectory::ReadFile(path).find("VorlixOggVorbisFronted") != std::string::npos))
				found.push_back(path);
		}
		return found;
	}

	// A file below the test's folder, with the folders on its way.
	std::string
	Put(const std::string& name, const std::string& content)
	{
		std::filesystem::create_directories(std::filesystem::path(fTemp / name).parent_path());
		return fTemp.WriteFile(name, content);
	}

	TempDirectory fTemp;
	ScopedEnvironment fEnvironment;
	std::string fData;
	std::string fConfig;
};

} // namespace

TEST(MimeTypeStrings, Validity)
{
	for (const char* valid :
	     {"text", "text/plain", kListType, "application/x-vnd.Be-elfexecutable"})
		EXPECT_TRUE(BMimeType::IsValid(valid)) << valid;
	for (const char* invalid : {"", "/plain", "text/", "text/pl ain", "text/a/b", "text/a;b",
	                            "text/a:b", "text/\"a\"", "../x", "text/..", "tëxt/plain"})
		EXPECT_FALSE(BMimeType::IsValid(invalid)) << invalid;
	EXPECT_FALSE(BMimeType::IsValid(nullptr));
	EXPECT_FALSE(BMimeType::IsValid(("text/" + std::string(B_MIME_TYPE_LENGTH, 'a')).c_str()));

	BMimeType type("text/a b");
	EXPECT_EQ(type.InitCheck(), B_BAD_VALUE);
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_EQ(type.Install(), B_NO_INIT);
	EXPECT_EQ(type.SetShortDescription("x"), B_NO_INIT);
}

TEST_F(MimeTypeTest, InstallWritesPackageIconsAndPreferredApplication)
{
	BMimeType type(kListType);
	ASSERT_EQ(type.InitCheck(), B_OK);
	EXPECT_FALSE(type.IsInstalled());
	Prepare(&type);
	// Setting collects only: nothing is installed before Install.
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_TRUE(FilesNamingTheType().empty());

	ASSERT_EQ(type.Install(), B_OK);
	EXPECT_TRUE(type.IsInstalled());
	EXPECT_TRUE(BMimeType(kListType).IsInstalled());

	std::string package = TempDirectory::ReadFile(Package());
	EXPECT_NE(package.find("<mime-type type=\"text/x-VorlixOggVorbisFronted-list\">"),
	          std::string::npos)
	    << package;
	EXPECT_NE(package.find("<comment>Vorlix OggVorbis Frontend list</comment>"), std::string::npos);
	EXPECT_NE(package.find("<glob pattern=\"*.vfl\"/>"), std::string::npos);
	EXPECT_NE(package.find("<icon name=\"text-x-VorlixOggVorbisFronted-list\"/>"),
	          std::string::npos);

	EXPECT_NE(TempDirectory::ReadFile(fConfig + "/mimeapps.list")
	              .find("[Default Applications]\n"
	                    "text/x-VorlixOggVorbisFronted-list=vorlix-ogg-vorbis-frontend.desktop;\n"),
	          std::string::npos);
	EXPECT_NE(
	    TempDirectory::ReadFile(DesktopFile()).find("MimeType=text/x-VorlixOggVorbisFronted-list;"),
	    std::string::npos);

	char text[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(type.GetShortDescription(text), B_OK);
	EXPECT_STREQ(text, "Vorlix OggVorbis Frontend list");
	ASSERT_EQ(type.GetLongDescription(text), B_OK);
	EXPECT_STREQ(text, "Vorlix OggVorbis Frontend list");
	ASSERT_EQ(type.GetPreferredApp(text), B_OK);
	EXPECT_STREQ(text, kSignature);
	BMessage extensions;
	ASSERT_EQ(type.GetFileExtensions(&extensions), B_OK);
	const char* extension = nullptr;
	ASSERT_EQ(extensions.FindString("extensions", &extension), B_OK);
	EXPECT_STREQ(extension, "vfl");
	EXPECT_EQ(extensions.FindString("extensions", 1, &extension), B_BAD_INDEX);
}

TEST_F(MimeTypeTest, IconsAreReadablePngFiles)
{
	if (!Command::Exists("identify"))
		GTEST_SKIP() << "ImageMagick's identify is not installed";
	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	std::string size;
	ASSERT_EQ(Command::Run({"identify", "-format", "%w %h %m", Icon("32x32")}, &size), 0);
	EXPECT_EQ(size, "32 32 PNG");
	size.clear();
	ASSERT_EQ(Command::Run({"identify", "-format", "%w %h %m", Icon("16x16")}, &size), 0);
	EXPECT_EQ(size, "16 16 PNG");
}

TEST_F(MimeTypeTest, DesktopRecognisesListFilesAfterTheUpdate)
{
	if (!Command::Exists("update-mime-database"))
		GTEST_SKIP() << "update-mime-database is not installed";
	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	EXPECT_NE(TempDirectory::ReadFile(fData + "/mime/types").find(kListType), std::string::npos);
	EXPECT_NE(TempDirectory::ReadFile(fData + "/mime/globs2").find("*.vfl"), std::string::npos);

	if (Command::Exists("mimetype")) {
		std::string list = fTemp.WriteFile("brani.vfl", "# Generated\n");
		std::string answer;
		ASSERT_EQ(Command::Run({"mimetype", "-b", list}, &answer), 0);
		EXPECT_EQ(answer, std::string(kListType) + "\n");
	}
}

TEST_F(MimeTypeTest, SecondInstallChangesNothing)
{
	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	std::string package = TempDirectory::ReadFile(Package());

	BMimeType again(kListType);
	ASSERT_EQ(again.SetShortDescription("Altro"), B_OK);
	EXPECT_EQ(again.Install(), B_FILE_EXISTS);
	EXPECT_EQ(TempDirectory::ReadFile(Package()), package);
}

TEST_F(MimeTypeTest, DeleteRemovesAllOfItAndKeepsTheRest)
{
	std::string others = "[Default Applications]\ntext/html=browser.desktop;\n";
	std::filesystem::create_directories(fConfig);
	std::ofstream(fConfig + "/mimeapps.list") << others;

	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	ASSERT_FALSE(FilesNamingTheType().empty());

	ASSERT_EQ(type.Delete(), B_OK);
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_EQ(FilesNamingTheType(), std::vector<std::string>());
	EXPECT_EQ(TempDirectory::ReadFile(fConfig + "/mimeapps.list"), others);
	EXPECT_FALSE(std::filesystem::exists(DesktopFile()));

	EXPECT_EQ(type.Delete(), B_ENTRY_NOT_FOUND);
	char text[B_MIME_TYPE_LENGTH];
	EXPECT_EQ(type.GetShortDescription(text), B_ENTRY_NOT_FOUND);

	// And it installs again, as the program does at its next start.
	ASSERT_EQ(type.Install(), B_OK);
	EXPECT_TRUE(type.IsInstalled());

	// As an earlier version wrote it, without the marks: still the
	// program's own to delete.
	for (const auto& [file, mark] :
	     {std::pair(Package(), std::string("\t\t<b:registration ")),
	      std::pair(DesktopFile(), std::string("X-Vorlix-Registered="))}) {
		std::string content = TempDirectory::ReadFile(file);
		size_t at = content.find(mark);
		ASSERT_NE(at, std::string::npos) << file;
		content.erase(at, content.find('\n', at) + 1 - at);
		std::ofstream(file) << content;
	}
	ASSERT_EQ(type.Delete(), B_OK);
	EXPECT_EQ(FilesNamingTheType(), std::vector<std::string>());
	EXPECT_EQ(TempDirectory::ReadFile(fConfig + "/mimeapps.list"), others);
}

TEST_F(MimeTypeTest, WorksWithoutTheDatabaseTools)
{
	fEnvironment.Set("PATH", fTemp / "empty");
	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	EXPECT_TRUE(type.IsInstalled());
	EXPECT_TRUE(std::filesystem::exists(Package()));
	ASSERT_EQ(type.Delete(), B_OK);
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_EQ(FilesNamingTheType(), std::vector<std::string>());
}

TEST_F(MimeTypeTest, FailedInstallLeavesNothingBehind)
{
	// A file where the database's folder should be.
	std::filesystem::create_directories(fData);
	std::ofstream(fData + "/mime") << "in the way";
	BMimeType type(kListType);
	Prepare(&type);
	EXPECT_NE(type.Install(), B_OK);
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_EQ(FilesNamingTheType(), std::vector<std::string>());
}

TEST_F(MimeTypeTest, SystemTypesCountAsInstalledButAreNotOurs)
{
	std::filesystem::create_directories(fTemp / "system/mime/text");
	std::ofstream(fTemp / "system/mime/text/plain.xml") << "<mime-type/>";
	std::ofstream(fTemp / "system/mime/types") << "audio/x-wav\ntext/x-listed\n";
	for (const char* known : {"text/plain", "text/x-listed"}) {
		BMimeType type(known);
		EXPECT_TRUE(type.IsInstalled()) << known;
		EXPECT_EQ(type.Install(), B_FILE_EXISTS);
		EXPECT_EQ(type.Delete(), B_ENTRY_NOT_FOUND);
	}
	EXPECT_FALSE(BMimeType("text/x-list").IsInstalled());
}

TEST_F(MimeTypeTest, InstallAddsOnlyWhatIsMissingAndDeleteTakesOnlyThat)
{
	// An install left an entry and the small icon in a system folder, and
	// the user chose an application for the type, but the type itself is
	// not there.
	std::string system = fTemp / "system";
	std::string entry = "[Desktop Entry]\nType=Application\nName=Installata\nExec=x %F\n";
	std::string installedIcon = "not the program's icon";
	std::string chosen = "[Default Applications]\n" + std::string(kListType) + "=editor.desktop;\n";
	Put("system/applications/vorlix-ogg-vorbis-frontend.desktop", entry);
	Put("system/icons/hicolor/16x16/mimetypes/text-x-VorlixOggVorbisFronted-list.png",
	    installedIcon);
	std::filesystem::create_directories(fConfig);
	std::ofstream(fConfig + "/mimeapps.list") << chosen;

	BMimeType type(kListType);
	Prepare(&type);
	ASSERT_EQ(type.Install(), B_OK);
	EXPECT_TRUE(std::filesystem::exists(Package()));
	EXPECT_TRUE(std::filesystem::exists(Icon("32x32")));
	EXPECT_FALSE(std::filesystem::exists(Icon("16x16"))) << "the installed one serves";
	EXPECT_FALSE(std::filesystem::exists(DesktopFile())) << "it would hide the installed one";
	EXPECT_EQ(TempDirectory::ReadFile(fConfig + "/mimeapps.list"), chosen);

	ASSERT_EQ(type.Delete(), B_OK);
	EXPECT_FALSE(type.IsInstalled());
	EXPECT_EQ(
	    FilesNamingTheType(),
	    (std::vector<std::string>{
	        fConfig + "/mimeapps.list",
	        system + "/icons/hicolor/16x16/mimetypes/text-x-VorlixOggVorbisFronted-list.png"}));
	EXPECT_EQ(TempDirectory::ReadFile(fConfig + "/mimeapps.list"), chosen);
	EXPECT_EQ(TempDirectory::ReadFile(
	              system + "/icons/hicolor/16x16/mimetypes/text-x-VorlixOggVorbisFronted-list.png"),
	          installedIcon);
	EXPECT_EQ(TempDirectory::ReadFile(system + "/applications/vorlix-ogg-vorbis-frontend.desktop"),
	          entry);
}

TEST_F(MimeTypeTest, ATypeAnInstallPutThereIsInstalledAndNotOursToDelete)
{
	// A per-user install: the package in the user's own folder, and one in
	// a system folder not yet in its database.
	std::string package = "<mime-info><mime-type type=\"text/x-VorlixOggVorbisFronted-list\">"
	                      "<glob pattern=\"*.vfl\"/></mime-type></mime-info>\n";
	Put("data/mime/packages/text-x-VorlixOggVorbisFronted-list.xml", package);
	Put("system/mime/packages/text-x-other.xml", "<mime-info/>");
	for (const char* installed : {kListType, "text/x-other"}) {
		BMimeType type(installed);
		Prepare(&type);
		EXPECT_TRUE(type.IsInstalled()) << installed;
		EXPECT_EQ(type.Install(), B_FILE_EXISTS);
	}
	EXPECT_EQ(BMimeType(kListType).Delete(), B_NOT_ALLOWED);
	EXPECT_EQ(TempDirectory::ReadFile(Package()), package);
	EXPECT_EQ(FilesNamingTheType(), std::vector<std::string>{Package()});
}

TEST_F(MimeTypeTest, SettersRefuseWhatCannotBeStored)
{
	BMimeType type(kListType);
	BBitmap wrongSize(BRect(0, 0, 15, 15), B_CMAP8);
	BBitmap wrongSpace(BRect(0, 0, 31, 31), B_RGB32);
	EXPECT_EQ(type.SetIcon(&wrongSize, B_LARGE_ICON), B_BAD_VALUE);
	EXPECT_EQ(type.SetIcon(&wrongSpace, B_LARGE_ICON), B_BAD_VALUE);
	EXPECT_EQ(type.SetPreferredApp("text/plain"), B_BAD_VALUE);
	EXPECT_EQ(type.SetShortDescription(std::string(B_MIME_TYPE_LENGTH, 'd').c_str()), B_BAD_VALUE);
	BMessage extensions;
	extensions.AddString("extensions", "a/b");
	EXPECT_EQ(type.SetFileExtensions(&extensions), B_BAD_VALUE);
}
