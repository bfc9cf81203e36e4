#include <AppFileInfo.h>
#include <Application.h>
#include <Bitmap.h>
#include <Message.h>
#include <MimeType.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <sys/stat.h>
#include <thread>

#include "PngWriter.h"
#include "app/VFApp.h"
#include "tests/support/Command.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/Watchdog.h"

using BPrivate::WindowState;

namespace {

const char* const kListType = "text/x-VorlixOggVorbisFronted-list";
const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";
const char* const kStem = "text-x-VorlixOggVorbisFronted-list";

const char* const kInstalled = "Tipo MIME installato.";
const char* const kAlreadyInstalled = "Il tipo MIME è già installato.";
const char* const kInstallFailed = "Errore durante l'installazione del tipo MIME.";
const char* const kDeleted = "Tipo MIME cancellato.";
const char* const kDeleteFailed = "Errore durante la cancellazione del tipo MIME.";
const char* const kNotInstalled = "Impossibile cancellare il tipo MIME; non è installato.";

// What an alert showed.
struct Shown {
	std::string title;
	std::string text;
	std::vector<std::string> buttons;
	alert_type type = B_INFO_ALERT;
	button_width width = B_WIDTH_AS_USUAL;

	bool operator==(const Shown&) const = default;
};

std::ostream&
operator<<(std::ostream& out, const Shown& shown)
{
	out << shown.title << ": \"" << shown.text << "\" [";
	for (const std::string& button : shown.buttons)
		out << " " << button;
	return out << " ] type " << shown.type << " width " << shown.width;
}

Shown
Result(const char* title, const char* text)
{
	return {title, text, {"OK"}, B_INFO_ALERT, B_WIDTH_AS_USUAL};
}

// Every file below a folder with its bytes and modification time, to show
// that nothing was touched.
using Snapshot = std::map<std::string, std::pair<std::string, int64>>;

Snapshot
Take(const std::string& folder)
{
	Snapshot snapshot;
	for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
		struct stat status;
		if (!entry.is_regular_file() || stat(entry.path().c_str(), &status) != 0)
			continue;
		int64 modified = (int64)status.st_mtim.tv_sec * 1000000000 + status.st_mtim.tv_nsec;
		snapshot[entry.path()] = {TempDirectory::ReadFile(entry.path()), modified};
	}
	return snapshot;
}

// The PNG file an icon of these pixels is installed as.
std::string
Png(const std::vector<uint8>& pixels, int32 size)
{
	std::string png;
	EXPECT_EQ(PngWriter::EncodeCmap8(pixels.data(), size, size, size, &png), B_OK);
	return png;
}

// The icon of that size a program file carries; empty when it has none.
std::vector<uint8>
IconOf(const char* program, icon_size which)
{
	BFile file(program, B_READ_ONLY);
	BAppFileInfo info(&file);
	BBitmap icon(BRect(0, 0, which - 1, which - 1), B_CMAP8);
	if (info.GetIcon(&icon, which) != B_OK)
		return {};
	const uint8* bits = static_cast<const uint8*>(icon.Bits());
	return std::vector<uint8>(bits, bits + icon.BitsLength());
}

// Each test has a MIME database of its own, empty, and no system database.
class MimeFolders {
protected:
	MimeFolders()
	{
		fData = fTemp / "data";
		fConfig = fTemp / "config";
		fSystem = fTemp / "system";
		fEnvironment.Set("XDG_DATA_HOME", fData);
		fEnvironment.Set("XDG_CONFIG_HOME", fConfig);
		fEnvironment.Set("XDG_DATA_DIRS", fSystem);
	}

	std::string
	Icon(int size) const
	{
		std::string folder = std::to_string(size) + "x" + std::to_string(size);
		return fData + "/icons/hicolor/" + folder + "/mimetypes/" + kStem + ".png";
	}

	TempDirectory fTemp;
	ScopedEnvironment fEnvironment;
	std::string fData;
	std::string fConfig;
	std::string fSystem;
};

// The application object in this process, on the headless display. The MIME
// operations run in a thread of their own, as they do in the main window's.
class VFAppMime : public HeadlessFixture, protected MimeFolders {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		HeadlessFixture::SetUp();
		BApplication::SetLaunchFiles(0, nullptr);
		fApp = std::make_unique<VFApp>();
	}

	void
	TearDown() override
	{
		HeadlessFixture::TearDown();
		fApp.reset();
		BApplication::SetLaunchFiles(-1, nullptr);
	}

	// Runs the operation and presses "OK" on the one alert it must show,
	// which must have this title and text; what the alert showed.
	Shown
	Answer(const std::function<void()>& operation, const char* title, const char* text)
	{
		user.ExpectAlert(title, text, TestUser::kKeepAlertOpen);
		Watchdog watchdog(3 * MessageLog::kTimeout);
		std::thread thread(operation);
		Shown shown;
		if (display.WaitForShown(title, MessageLog::kTimeout)) {
			std::optional<WindowState> alert = display.FindWindow(title);
			if (alert) {
				shown = {alert->title, alert->alert.text, alert->alert.buttons, alert->alert.type,
				         alert->alert.buttonWidth};
			}
			EXPECT_TRUE(user.PressAlertButton(title, 0));
		} else
			ADD_FAILURE() << "no alert " << title << " was shown";
		thread.join();
		user.WaitIdle();
		return shown;
	}

	Shown
	Register(const char* text)
	{
		return Answer([this] { fApp->RegisterMIMEType(true); }, "MimeInstalled", text);
	}

	Shown
	Unregister(const char* text)
	{
		return Answer([this] { fApp->UnregisterMIMEType(); }, "MimeDeleted", text);
	}

	// Silently; any alert fails the test.
	void
	RegisterSilently()
	{
		fApp->RegisterMIMEType(false);
		EXPECT_TRUE(user.WaitIdle());
		EXPECT_TRUE(user.ShownWindows().empty());
	}

	std::unique_ptr<VFApp> fApp;
};

} // namespace

TEST_F(VFAppMime, InstallingTwiceReportsTheSecondAndChangesNothing)
{
	EXPECT_EQ(Register(kInstalled), Result("MimeInstalled", kInstalled));
	EXPECT_TRUE(BMimeType(kListType).IsInstalled());
	Snapshot installed = Take(fTemp.Path());

	EXPECT_EQ(Register(kAlreadyInstalled), Result("MimeInstalled", kAlreadyInstalled));
	EXPECT_EQ(Take(fTemp.Path()), installed);
}

TEST_F(VFAppMime, InstalledTypeHasTheDescriptionsExtensionAndPreferredApplication)
{
	RegisterSilently();
	BMimeType type(kListType);
	ASSERT_TRUE(type.IsInstalled());

	char text[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(type.GetShortDescription(text), B_OK);
	EXPECT_STREQ(text, "Vorlix OggVorbis Frontend list");
	ASSERT_EQ(type.GetLongDescription(text), B_OK);
	EXPECT_STREQ(text, "Vorlix OggVorbis Frontend list");
	ASSERT_EQ(type.GetPreferredApp(text, B_OPEN), B_OK);
	EXPECT_STREQ(text, kSignature);

	BMessage extensions;
	ASSERT_EQ(type.GetFileExtensions(&extensions), B_OK);
	type_code fieldType = 0;
	int32 count = 0;
	ASSERT_EQ(extensions.GetInfo("extensions", &fieldType, &count), B_OK);
	ASSERT_EQ(count, 1);
	const char* extension = nullptr;
	ASSERT_EQ(extensions.FindString("extensions", &extension), B_OK);
	EXPECT_STREQ(extension, "vfl");
}

TEST_F(VFAppMime, AnInstalledTypeKeepsWhatItHas)
{
	// Installed by an older version, with a description of its own.
	BMimeType older(kListType);
	ASSERT_EQ(older.SetShortDescription("Lista di un tempo"), B_OK);
	ASSERT_EQ(older.Install(), B_OK);
	Snapshot before = Take(fTemp.Path());

	EXPECT_EQ(Register(kAlreadyInstalled), Result("MimeInstalled", kAlreadyInstalled));
	RegisterSilently();
	EXPECT_EQ(Take(fTemp.Path()), before);
	char text[B_MIME_TYPE_LENGTH];
	ASSERT_EQ(BMimeType(kListType).GetShortDescription(text), B_OK);
	EXPECT_STREQ(text, "Lista di un tempo");
}

TEST_F(VFAppMime, DeletingTwiceReportsThatTheTypeIsGone)
{
	RegisterSilently();
	ASSERT_TRUE(BMimeType(kListType).IsInstalled());

	EXPECT_EQ(Unregister(kDeleted), Result("MimeDeleted", kDeleted));
	EXPECT_FALSE(BMimeType(kListType).IsInstalled());
	EXPECT_FALSE(std::filesystem::exists(Icon(32)));

	EXPECT_EQ(Unregister(kNotInstalled), Result("MimeDeleted", kNotInstalled));

	// Installing again after a removal works as the first time.
	EXPECT_EQ(Register(kInstalled), Result("MimeInstalled", kInstalled));
}

TEST_F(VFAppMime, ATypeAnInstallPutThereIsNeitherDeletedNorWrittenOver)
{
	// Listed by a database the user cannot change.
	std::filesystem::create_directories(fSystem + "/mime");
	std::ofstream(fSystem + "/mime/types") << "text/plain\n" << kListType << "\n";
	ASSERT_TRUE(BMimeType(kListType).IsInstalled());
	EXPECT_EQ(Unregister(kDeleteFailed), Result("MimeDeleted", kDeleteFailed));
	EXPECT_EQ(Register(kAlreadyInstalled), Result("MimeInstalled", kAlreadyInstalled));

	// Installed in the user's own data folder, as a per-user install does,
	// under the names the program uses.
	std::filesystem::remove_all(fSystem);
	std::map<std::string, std::string> installed = {
	    {"mime/packages/" + std::string(kStem) + ".xml",
	     "<mime-info><mime-type type=\"" + std::string(kListType) +
	         "\"><glob pattern=\"*.vfl\"/></mime-type></mime-info>\n"},
	    {"applications/vorlix-ogg-vorbis-frontend.desktop",
	     "[Desktop Entry]\nType=Application\nName=Vorlix\nIcon=vorlix\nExec=vorlix %F\n"},
	    {"icons/hicolor/16x16/mimetypes/" + std::string(kStem) + ".png", "16"},
	    {"icons/hicolor/32x32/mimetypes/" + std::string(kStem) + ".png", "32"},
	};
	for (const auto& [name, content] : installed) {
		std::filesystem::create_directories(
		    std::filesystem::path(fData + "/" + name).parent_path());
		std::ofstream(fData + "/" + name) << content;
	}
	Snapshot before = Take(fTemp.Path());
	EXPECT_EQ(Unregister(kDeleteFailed), Result("MimeDeleted", kDeleteFailed));
	EXPECT_EQ(Register(kAlreadyInstalled), Result("MimeInstalled", kAlreadyInstalled));
	RegisterSilently();
	EXPECT_EQ(Take(fTemp.Path()), before);
}

TEST_F(VFAppMime, FailedInstallationIsReportedAndLeavesNothing)
{
	// A data folder that is a file: nothing can be written below it, even
	// by a user whom permissions do not stop.
	fTemp.WriteFile("data", "");
	EXPECT_EQ(Register(kInstallFailed), Result("MimeInstalled", kInstallFailed));
	EXPECT_FALSE(BMimeType(kListType).IsInstalled());
	EXPECT_FALSE(std::filesystem::exists(fConfig + "/mimeapps.list"));
}

TEST_F(VFAppMime, SilentInstallationShowsNothingWhateverHappens)
{
	RegisterSilently();
	EXPECT_TRUE(BMimeType(kListType).IsInstalled());
	RegisterSilently();
	EXPECT_TRUE(BMimeType(kListType).IsInstalled());

	ScopedEnvironment unwritable;
	unwritable.Set("XDG_DATA_HOME", fTemp.WriteFile("file", ""));
	RegisterSilently();
	EXPECT_FALSE(BMimeType(kListType).IsInstalled());
}

TEST_F(VFAppMime, WithoutIconsInItsFileTheTypeGetsTheBitmapsAsMade)
{
	// This test program carries no application resources.
	ASSERT_TRUE(IconOf("/proc/self/exe", B_LARGE_ICON).empty());
	EXPECT_EQ(Register(kInstalled), Result("MimeInstalled", kInstalled));
	EXPECT_TRUE(TempDirectory::ReadFile(Icon(32)) == Png(std::vector<uint8>(32 * 32, 0), 32))
	    << "the large icon is not the blank bitmap";
	EXPECT_TRUE(TempDirectory::ReadFile(Icon(16)) == Png(std::vector<uint8>(16 * 16, 0), 16))
	    << "the mini icon is not the blank bitmap";
}

// The program itself, with its resources, installing the type at start.
class VFAppMimeProgram : public testing::Test, protected MimeFolders {};

TEST_F(VFAppMimeProgram, TheTypeGetsTheProgramsOwnIcons)
{
	std::vector<uint8> large = IconOf(MIME_PROBE_PATH, B_LARGE_ICON);
	std::vector<uint8> mini = IconOf(MIME_PROBE_PATH, B_MINI_ICON);
	ASSERT_EQ(large.size(), 32u * 32u);
	ASSERT_EQ(mini.size(), 16u * 16u);
	ASSERT_NE(large, std::vector<uint8>(32 * 32, 0)) << "the icon must tell itself from none";

	ASSERT_EQ(Command::Run({MIME_PROBE_PATH}), 0);
	EXPECT_TRUE(BMimeType(kListType).IsInstalled());
	EXPECT_TRUE(TempDirectory::ReadFile(Icon(32)) == Png(large, 32))
	    << "the large icon is not the program's";
	EXPECT_TRUE(TempDirectory::ReadFile(Icon(16)) == Png(mini, 16))
	    << "the mini icon is not the program's";
}
