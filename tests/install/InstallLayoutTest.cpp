// The program installed with `cmake --install` into a fresh prefix, as a
// user installs it into ~/.local, checked file by file with the desktop's
// own tools and against the names the program itself uses at run time.
#include "tests/support/ChildProcess.h"
#include "tests/support/Command.h"
#include "tests/support/MessageLog.h"
#include "tests/support/Polling.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/XvfbServer.h"

#include "DesktopEntry.h"
#include "MimePackage.h"
#include "PngWriter.h"

#include <AppFileInfo.h>
#include <Bitmap.h>
#include <File.h>
#include <MimeType.h>

#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";
const char* const kListType = "text/x-VorlixOggVorbisFronted-list";
const std::string kProgramFolder = "lib/vorlix-oggvorbis-frontend";
const std::string kProgram = kProgramFolder + "/VorlixOggVorbisFrontend";
const std::string kLink = "bin/vorlix-oggvorbis-frontend";

bool
IsFile(const std::string& path)
{
	struct stat info;
	return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string
RealPath(const std::string& path)
{
	char resolved[PATH_MAX];
	return realpath(path.c_str(), resolved) != nullptr ? resolved : "";
}

std::set<std::string>
FolderNames(const std::string& path)
{
	std::set<std::string> names;
	DIR* folder = opendir(path.c_str());
	if (folder == nullptr)
		return names;
	while (dirent* entry = readdir(folder)) {
		std::string name = entry->d_name;
		if (name != "." && name != "..")
			names.insert(name);
	}
	closedir(folder);
	return names;
}

// The keys of a desktop entry's main group (no localised keys).
std::map<std::string, std::string>
DesktopKeys(const std::string& content)
{
	std::map<std::string, std::string> keys;
	std::istringstream lines(content);
	std::string line;
	while (std::getline(lines, line)) {
		size_t equals = line.find('=');
		if (equals != std::string::npos && line.find('[') > equals)
			keys[line.substr(0, equals)] = line.substr(equals + 1);
	}
	return keys;
}

// The environment of xdg-mime without a detected desktop, so that it reads
// the freedesktop files the test points it at, not a desktop's settings.
std::vector<std::string>
WithoutDesktop(std::vector<std::string> environment)
{
	for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
	                         "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID"})
		environment.push_back(std::string(name) + "=");
	return environment;
}

// "PNG 16 16": the format and size ImageMagick reads from a file.
std::string
Identify(const std::string& path)
{
	// ImageMagick leaves links to the files it reads in its temporary
	// folder: one of the test's own.
	TempDirectory scratch;
	std::string output;
	int status = Command::Run({"identify", "-format", "%m %w %h", path}, &output,
	                          {"MAGICK_TEMPORARY_PATH=" + scratch.Path()});
	return status == 0 ? output : "identify failed on " + path;
}

// The text of a file of /proc; empty when the process went away meanwhile
// (streams throw on that read error).
std::string
ProcText(const std::string& path)
{
	std::string text;
	int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
	if (file < 0)
		return text;
	char buffer[4096];
	ssize_t count;
	while ((count = read(file, buffer, sizeof(buffer))) > 0)
		text.append(buffer, (size_t)count);
	close(file);
	return text;
}

// A running process (not a zombie) of that program file; 0 when none.
pid_t
ProcessRunning(const std::string& program)
{
	for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
		std::string name = entry.path().filename();
		if (name.find_first_not_of("0123456789") != std::string::npos)
			continue;
		std::error_code error;
		std::string stat = ProcText(entry.path() / "stat");
		size_t state = stat.rfind(") ");
		if (std::filesystem::read_symlink(entry.path() / "exe", error) == program &&
		    state != std::string::npos && stat.compare(state + 2, 1, "Z") != 0)
			return std::stoi(name);
	}
	return 0;
}

std::vector<std::string>
Arguments(pid_t process)
{
	std::string line = ProcText("/proc/" + std::to_string(process) + "/cmdline");
	std::vector<std::string> arguments;
	std::istringstream in(line);
	for (std::string argument; std::getline(in, argument, '\0');)
		arguments.push_back(argument);
	return arguments;
}

// The bytes of a file's attribute; "missing" when it has none.
std::string
Attribute(const std::string& path, const std::string& name)
{
	char value[1024];
	ssize_t length = getxattr(path.c_str(), ("user." + name).c_str(), value, sizeof(value));
	return length < 0 ? "missing" : std::string(value, length);
}

// Every file below a folder with its bytes.
std::map<std::string, std::string>
Files(const std::string& folder)
{
	std::map<std::string, std::string> files;
	for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
		if (entry.is_regular_file())
			files[entry.path()] = TempDirectory::ReadFile(entry.path());
	}
	return files;
}

std::string
PngOfBuiltInIcon(icon_size which)
{
	BFile carrier(RESOURCE_CARRIER_PATH, B_READ_ONLY);
	BAppFileInfo info(&carrier);
	BBitmap icon(BRect(0, 0, which - 1, which - 1), B_CMAP8);
	std::string png;
	if (info.GetIcon(&icon, which) != B_OK ||
	    PngWriter::EncodeCmap8(static_cast<const uint8*>(icon.Bits()), which, which,
	                           icon.BytesPerRow(), &png) != B_OK)
		return "";
	return png;
}

class InstallLayout : public testing::Test {
protected:
	void
	SetUp() override
	{
		ASSERT_FALSE(fTemp.Path().empty());
		fPrefix = fTemp / "prefix";
		std::string log;
		// The prefix's data folder on the search path, as for a user's
		// install, so that update-mime-database does not warn about it.
		ASSERT_EQ(Command::Run({INSTALL_CMAKE, "--install", INSTALL_BUILD_DIR, "--prefix", fPrefix},
		                       &log, {"XDG_DATA_DIRS=" + fPrefix + "/share"}),
		          0)
		    << log;
	}

	// A desktop session on that screen with the program installed for the
	// user: the user's data folder is the prefix's, its link on the PATH.
	std::vector<std::string>
	Session(const XvfbServer& screen) const
	{
		const char* path = getenv("PATH");
		return {"DISPLAY=" + screen.Name(), "XDG_DATA_HOME=" + Installed("share"),
		        "XDG_CONFIG_HOME=" + fTemp / "config", "XDG_DATA_DIRS=" + fTemp / "system",
		        "PATH=" + Installed("bin") + ":" + (path != nullptr ? path : "")};
	}

	// Closes the program's main window as its close box does, once it has
	// come.
	static void
	CloseMainWindow(const std::vector<std::string>& session)
	{
		std::string window;
		ASSERT_EQ(Command::Run({"xdotool", "search", "--sync", "--name",
		                        "^Vorlix OggVorbis Frontend 1\\.2a$"},
		                       &window, session, MessageLog::kTimeout / 1000000),
		          0)
		    << "the main window did not come";
		window = window.substr(0, window.find('\n'));
		ASSERT_EQ(Command::Run({X_CLOSE_PATH, window}, nullptr, session), 0);
	}

	// Starts the installed program and closes its main window; it must end
	// well.
	void
	RunUntilClosed(const std::vector<std::string>& session)
	{
		ChildProcess program({Installed(kLink)}, session);
		ASSERT_TRUE(program.IsRunning());
		ASSERT_NO_FATAL_FAILURE(CloseMainWindow(session));
		int status = -1;
		ASSERT_TRUE(program.WaitForExit(MessageLog::kTimeout, &status)) << program.Output();
		EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
	}

	std::string
	Installed(const std::string& path) const
	{
		return fPrefix + "/" + path;
	}

	static std::string
	ListTypeIcon(const std::string& folder, const std::string& extension = ".png")
	{
		return "share/icons/hicolor/" + folder + "/mimetypes/" + MimePackage::FileStem(kListType) +
		       extension;
	}

	std::string
	DesktopEntryPath() const
	{
		return Installed("share/applications/" + DesktopEntry(kSignature).Id());
	}

	TempDirectory fTemp;
	std::string fPrefix;
};

TEST_F(InstallLayout, ProgramHasAFolderOfItsOwnWithTheReadme)
{
	EXPECT_EQ(FolderNames(Installed(kProgramFolder)),
	          (std::set<std::string>{"VorlixOggVorbisFrontend", "leggimi"}));
	struct stat info;
	ASSERT_EQ(stat(Installed(kProgram).c_str(), &info), 0);
	EXPECT_TRUE(S_ISREG(info.st_mode));
	EXPECT_TRUE(info.st_mode & S_IXOTH) << "everyone must be able to start it";
	// The settings are attributes of the executable: its owner writes them.
	EXPECT_TRUE(info.st_mode & S_IWUSR) << std::oct << info.st_mode;
	if (!fTemp.SupportsAttributes())
		return;
	const char kLocation[] = "/usr/bin/oggenc";
	ASSERT_EQ(setxattr(Installed(kProgram).c_str(), "user.encoder_location", kLocation,
	                   sizeof(kLocation), 0),
	          0);
	char readBack[sizeof(kLocation)] = {};
	EXPECT_EQ(
	    getxattr(Installed(kProgram).c_str(), "user.encoder_location", readBack, sizeof(readBack)),
	    (ssize_t)sizeof(kLocation));
	EXPECT_STREQ(readBack, kLocation);
}

TEST_F(InstallLayout, LinkOnThePathLeadsToTheProgramWhereverThePrefixMoves)
{
	char target[PATH_MAX] = {};
	ASSERT_GT(readlink(Installed(kLink).c_str(), target, sizeof(target) - 1), 0);
	EXPECT_NE(target[0], '/') << "an absolute link breaks when the prefix moves: " << target;
	EXPECT_EQ(access(Installed(kLink).c_str(), X_OK), 0);

	// The program finds its readme in the folder of its real file.
	std::string program = RealPath(Installed(kLink));
	EXPECT_EQ(program, RealPath(Installed(kProgram)));
	EXPECT_TRUE(IsFile(program.substr(0, program.rfind('/')) + "/leggimi"));

	std::string moved = fTemp / "moved";
	ASSERT_EQ(rename(fPrefix.c_str(), moved.c_str()), 0);
	EXPECT_EQ(RealPath(moved + "/" + kLink), RealPath(moved + "/" + kProgram));
}

TEST_F(InstallLayout, ProgramStartsFromItsLinkAndStoresItsSettingsOnTheInstalledFile)
{
	if (!fTemp.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	XvfbServer screen;
	ASSERT_FALSE(screen.Name().empty()) << "no Xvfb";
	std::string desktopEntry = TempDirectory::ReadFile(DesktopEntryPath());
	std::vector<std::string> session = Session(screen);

	ASSERT_NO_FATAL_FAILURE(RunUntilClosed(session));

	// Closing the main window stores the settings, the defaults here.
	std::string file = Installed(kProgram);
	EXPECT_EQ(Attribute(file, "encoder_location"), std::string("/usr/bin/oggenc", 16));
	EXPECT_EQ(Attribute(file, "dont_close_on_add"), std::string(1, '\0'));
	EXPECT_EQ(Attribute(file, "self_register_mime_type"), std::string(1, '\1'));
	// The installed list type counts as the user's: the start registered
	// nothing over the installed desktop entry.
	EXPECT_EQ(TempDirectory::ReadFile(DesktopEntryPath()), desktopEntry);
	EXPECT_TRUE(TempDirectory::ReadFile(fTemp / "config/mimeapps.list").empty());

	// "Cancella tipo MIME ora" finds the type installed and deletes what it
	// may of it: nothing, the install put it all there. Nor does the next
	// start, which registers the type again, write anything.
	std::map<std::string, std::string> installed = Files(Installed("share"));
	{
		ScopedEnvironment user;
		for (const std::string& variable : session) {
			size_t equals = variable.find('=');
			if (variable.compare(0, 4, "XDG_") == 0)
				user.Set(variable.substr(0, equals), variable.substr(equals + 1));
		}
		BMimeType type(kListType);
		EXPECT_TRUE(type.IsInstalled());
		EXPECT_EQ(type.Delete(), B_NOT_ALLOWED);
	}
	ASSERT_NO_FATAL_FAILURE(RunUntilClosed(session));
	EXPECT_EQ(Files(Installed("share")), installed);
	EXPECT_EQ(TempDirectory::ReadFile(DesktopEntryPath()), desktopEntry);
}

// The install is root's, as a system install is: another user starts it,
// and the settings live in that user's own settings file, read at the next
// start from where they were stored.
TEST_F(InstallLayout, ARootOwnedInstallStartedByAnotherUserKeepsItsSettings)
{
	if (geteuid() != 0)
		GTEST_SKIP() << "needs root, to start the program as another user";
	if (!fTemp.SupportsAttributes())
		GTEST_SKIP() << "the temporary folder keeps no extended attributes";
	XvfbServer screen;
	ASSERT_FALSE(screen.Name().empty()) << "no Xvfb";
	ASSERT_EQ(chmod(fTemp.Path().c_str(), 0755), 0);
	std::string home = fTemp / "home";
	ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
	ASSERT_EQ(chown(home.c_str(), 65534, 65534), 0);
	std::vector<std::string> session = {
	    "DISPLAY=" + screen.Name(), "HOME=" + home,
	    "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", "XDG_DATA_DIRS=" + fTemp / "system"};
	std::string settings = home + "/.config/vorlix-oggvorbis-frontend/settings";

	for (int start = 1; start <= 2; start++) {
		SCOPED_TRACE(start);
		ChildProcess program({"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup",
		                      "--clear-groups", Installed(kProgram)},
		                     session);
		ASSERT_TRUE(program.IsRunning());
		ASSERT_NO_FATAL_FAILURE(CloseMainWindow(session));
		int status = -1;
		ASSERT_TRUE(program.WaitForExit(MessageLog::kTimeout, &status)) << program.Output();
		EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
		EXPECT_EQ(Attribute(settings, "encoder_location"), std::string("/usr/bin/oggenc", 16));
		// A switch changed since the first start: the second reads it and
		// stores it again.
		EXPECT_EQ(Attribute(settings, "dont_close_on_add"),
		          std::string(1, start == 1 ? '\0' : '\1'));
		ASSERT_EQ(setxattr(settings.c_str(), "user.dont_close_on_add", "\1", 1, 0), 0);
	}
	EXPECT_EQ(Attribute(Installed(kProgram), "encoder_location"), "missing");
}

TEST_F(InstallLayout, AListOpenedOnTheDesktopStartsTheProgramWithIt)
{
	XvfbServer screen;
	ASSERT_FALSE(screen.Name().empty()) << "no Xvfb";
	std::vector<std::string> session = Session(screen);
	std::string list = fTemp.WriteFile("musica scelta.vfl", "0;/tmp/brano.wav\n");

	// The desktop's opener finds the program through the installed type
	// and desktop entry, and starts it as a child of its own.
	ChildProcess opener({"/usr/bin/xdg-open", list}, session);
	ASSERT_TRUE(opener.IsRunning());
	std::string program = RealPath(Installed(kProgram));
	pid_t started = 0;
	ASSERT_TRUE(Polling::WaitUntil([&] { return (started = ProcessRunning(program)) != 0; },
	                               MessageLog::kTimeout))
	    << "the program did not start";
	std::vector<std::string> arguments = Arguments(started);
	ASSERT_EQ(arguments.size(), 2u);
	EXPECT_EQ(arguments[1], list);

	ASSERT_NO_FATAL_FAILURE(CloseMainWindow(session));
	EXPECT_TRUE(
	    Polling::WaitUntil([&] { return ProcessRunning(program) == 0; }, MessageLog::kTimeout));
	int status = -1;
	EXPECT_TRUE(opener.WaitForExit(MessageLog::kTimeout, &status)) << opener.Output();
}

TEST_F(InstallLayout, ReadmeIsUtf8TextAboutEveryTab)
{
	std::string readme = Installed(kProgramFolder + "/leggimi");
	std::string text = TempDirectory::ReadFile(readme);
	ASSERT_FALSE(text.empty()) << readme;
	EXPECT_EQ(Command::Run({"iconv", "-f", "UTF-8", "-t", "UTF-8", "-o", "/dev/null", readme}), 0)
	    << "not valid UTF-8";
	EXPECT_EQ(text.find_first_of(std::string("\r\0", 2)), std::string::npos);
	for (const char* tab : {"\"File\"", "\"Opzioni di Oggenc\"", "\"Opzioni del programma\""})
		EXPECT_NE(text.find(tab), std::string::npos) << tab;
}

TEST_F(InstallLayout, ManualPageIsNamedAfterTheCommandOnThePath)
{
	std::string page = Installed("share/man/man1/" + kLink.substr(kLink.rfind('/') + 1) + ".1.gz");
	ASSERT_TRUE(IsFile(page)) << page;
	EXPECT_EQ(Command::Run({"gzip", "--test", page}), 0);
}

TEST_F(InstallLayout, DesktopEntryHasTheProgramsOwnIdAndValidates)
{
	// The program registers the list type for the user under the same id,
	// so that its entry replaces this one instead of adding a second.
	std::string path = DesktopEntryPath();
	ASSERT_TRUE(IsFile(path)) << path;
	std::string problems;
	EXPECT_EQ(Command::Run({"desktop-file-validate", path}, &problems), 0);
	EXPECT_EQ(problems, "");

	std::map<std::string, std::string> keys = DesktopKeys(TempDirectory::ReadFile(path));
	std::string command = kLink.substr(kLink.rfind('/') + 1);
	EXPECT_EQ(keys["Exec"], command + " %F") << "one process for all the files it is given";
	EXPECT_NE((";" + keys["MimeType"]).find(std::string(";") + kListType + ";"), std::string::npos)
	    << keys["MimeType"];
	for (const char* folder : {"16x16", "32x32", "48x48"}) {
		EXPECT_TRUE(IsFile(Installed("share/icons/hicolor/" + std::string(folder) + "/apps/" +
		                             keys["Icon"] + ".png")))
		    << folder << " " << keys["Icon"];
	}
	EXPECT_TRUE(IsFile(Installed("share/icons/hicolor/scalable/apps/" + keys["Icon"] + ".svg")));
	EXPECT_FALSE(keys["Name"].empty());
	EXPECT_FALSE(keys["Comment"].empty());
}

TEST_F(InstallLayout, IconsAreImagesOfTheirFolderSize)
{
	std::string appIcon = DesktopKeys(TempDirectory::ReadFile(DesktopEntryPath()))["Icon"];
	for (const std::string& stem :
	     {"apps/" + appIcon, "mimetypes/" + MimePackage::FileStem(kListType)}) {
		for (const char* size : {"16", "32", "48"}) {
			std::string path = Installed("share/icons/hicolor/" + std::string(size) + "x" + size +
			                             "/" + stem + ".png");
			EXPECT_EQ(Identify(path), "PNG " + std::string(size) + " " + size);
		}
		std::string svg = Installed("share/icons/hicolor/scalable/" + stem + ".svg");
		EXPECT_EQ(Command::Run({"xmllint", "--noout", svg}), 0) << svg;
		EXPECT_EQ(Identify(svg), "SVG 32 32");
	}
}

TEST_F(InstallLayout, PixelIconsAreTheOnesBuiltIntoTheProgram)
{
	std::string large = PngOfBuiltInIcon(B_LARGE_ICON);
	std::string mini = PngOfBuiltInIcon(B_MINI_ICON);
	ASSERT_FALSE(large.empty());
	ASSERT_FALSE(mini.empty());
	std::string appIcon = DesktopKeys(TempDirectory::ReadFile(DesktopEntryPath()))["Icon"];
	for (const std::string& kind :
	     {"apps/" + appIcon, "mimetypes/" + MimePackage::FileStem(kListType)}) {
		EXPECT_TRUE(TempDirectory::ReadFile(
		                Installed("share/icons/hicolor/32x32/" + kind + ".png")) == large)
		    << kind;
		EXPECT_TRUE(TempDirectory::ReadFile(
		                Installed("share/icons/hicolor/16x16/" + kind + ".png")) == mini)
		    << kind;
	}
}

TEST_F(InstallLayout, ScalableIconLooksLikeThePixelIcon)
{
	// Both on one background, averaged over 4 x 4 pixel cells: edges may
	// differ, the shapes and colours may not. The vector icon is drawn at
	// four times the size first, so that the renderer's own edges do not
	// count.
	std::string difference;
	ASSERT_EQ(Command::Run({"convert",
	                        "(",
	                        Installed(ListTypeIcon("32x32")),
	                        "-background",
	                        "#ff00ff",
	                        "-flatten",
	                        ")",
	                        "(",
	                        "-density",
	                        "384",
	                        "-background",
	                        "none",
	                        Installed(ListTypeIcon("scalable", ".svg")),
	                        "-background",
	                        "#ff00ff",
	                        "-flatten",
	                        ")",
	                        "-resize",
	                        "8x8!",
	                        "-compose",
	                        "difference",
	                        "-composite",
	                        "-separate",
	                        "-evaluate-sequence",
	                        "max",
	                        "-format",
	                        "%[fx:maxima]",
	                        "info:"},
	                       &difference, {"MAGICK_TEMPORARY_PATH=" + fTemp.Path()}),
	          0);
	EXPECT_LT(std::stod(difference), 0.25) << "largest difference of a cell's colour";
}

TEST_F(InstallLayout, ListTypePackageReadsLikeTheOneTheProgramWrites)
{
	std::string path =
	    Installed("share/mime/packages/" + MimePackage::FileStem(kListType) + ".xml");
	std::string xml = TempDirectory::ReadFile(path);
	ASSERT_FALSE(xml.empty()) << path;
	EXPECT_EQ(Command::Run({"xmllint", "--noout", path}), 0);
	MimePackage package;
	ASSERT_EQ(MimePackage::FromXml(xml, &package), B_OK);
	EXPECT_EQ(package.type, kListType);
	EXPECT_EQ(package.extensions, std::vector<std::string>{"vfl"});
	EXPECT_FALSE(package.shortDescription.empty());
	// The program writes the same icons for the user under this name.
	EXPECT_EQ(package.iconName, MimePackage::FileStem(kListType));
	EXPECT_TRUE(IsFile(Installed(ListTypeIcon("16x16"))));
	EXPECT_TRUE(IsFile(Installed(ListTypeIcon("32x32"))));
}

TEST_F(InstallLayout, MimeDatabaseNamesListFilesByTheirExtension)
{
	std::string data = fTemp / "data";
	std::string name = MimePackage::FileStem(kListType) + ".xml";
	std::filesystem::create_directories(data + "/mime/packages");
	std::filesystem::copy_file(Installed("share/mime/packages/" + name),
	                           data + "/mime/packages/" + name);
	ASSERT_EQ(
	    Command::Run({"update-mime-database", data + "/mime"}, nullptr, {"XDG_DATA_DIRS=" + data}),
	    0);

	std::string list = fTemp.WriteFile("musica.vfl", "0;/tmp/brano.wav\n");
	std::string type;
	EXPECT_EQ(Command::Run({"xdg-mime", "query", "filetype", list}, &type,
	                       WithoutDesktop({"XDG_DATA_HOME=" + data, "XDG_DATA_DIRS=" + data})),
	          0);
	EXPECT_EQ(type, std::string(kListType) + "\n");
}

TEST_F(InstallLayout, InstallTeachesThePrefixDatabasesTheTypeAndItsApplication)
{
	std::string types = TempDirectory::ReadFile(Installed("share/mime/types"));
	EXPECT_NE(("\n" + types).find("\n" + std::string(kListType) + "\n"), std::string::npos)
	    << types;

	std::string emptyHome = fTemp / "home";
	std::string handler;
	EXPECT_EQ(
	    Command::Run({"xdg-mime", "query", "default", kListType}, &handler,
	                 WithoutDesktop({"XDG_DATA_HOME=" + emptyHome, "XDG_CONFIG_HOME=" + emptyHome,
	                                 "XDG_CONFIG_DIRS=" + emptyHome,
	                                 "XDG_DATA_DIRS=" + Installed("share")})),
	    0);
	EXPECT_EQ(handler, DesktopEntry(kSignature).Id() + "\n");
}

TEST_F(InstallLayout, MetainfoValidatesAndLaunchesTheDesktopEntry)
{
	std::set<std::string> names = FolderNames(Installed("share/metainfo"));
	ASSERT_EQ(names.size(), 1u);
	std::string name = *names.begin();
	std::string path = Installed("share/metainfo/" + name);
	std::string report;
	EXPECT_EQ(Command::Run({"appstreamcli", "validate", "--no-net", path}, &report), 0) << report;

	std::string xml = TempDirectory::ReadFile(path);
	const std::string suffix = ".metainfo.xml";
	ASSERT_GT(name.size(), suffix.size());
	EXPECT_NE(xml.find("<id>" + name.substr(0, name.size() - suffix.size()) + "</id>"),
	          std::string::npos)
	    << "the file is named after the component's id";
	EXPECT_NE(xml.find("<launchable type=\"desktop-id\">" + DesktopEntry(kSignature).Id() +
	                   "</launchable>"),
	          std::string::npos);
}

} // namespace
