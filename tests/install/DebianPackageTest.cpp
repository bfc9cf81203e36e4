// The Debian package that CPack builds from this build folder, read back
// with dpkg-deb and judged by lintian.
#include "tests/support/Command.h"
#include "tests/support/TempDirectory.h"

#include <cstring>
#include <dirent.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string kPackage = "vorlix-oggvorbis-frontend";

// The names in a Depends field, without versions or alternatives.
std::multiset<std::string>
DependencyNames(const std::string& field)
{
	std::multiset<std::string> names;
	std::istringstream items(field);
	std::string item;
	while (std::getline(items, item, ',')) {
		size_t start = item.find_first_not_of(" \n");
		size_t end = item.find_first_of(" (|\n", start);
		if (start != std::string::npos)
			names.insert(item.substr(start, end == std::string::npos ? end : end - start));
	}
	return names;
}

// dpkg-deb -c lines: the path (without "./") and its mode and owner, and
// the link target after "->".
struct Member {
	std::string mode;
	std::string owner;
	std::string target;
};

std::map<std::string, Member>
Members(const std::string& listing)
{
	std::map<std::string, Member> members;
	std::istringstream lines(listing);
	std::string line;
	while (std::getline(lines, line)) {
		std::istringstream fields(line);
		Member member;
		std::string size, date, time, path, arrow;
		fields >> member.mode >> member.owner >> size >> date >> time >> path >> arrow >>
		    member.target;
		if (path.rfind("./", 0) == 0)
			path = path.substr(1);
		if (path.size() > 1 && path.back() == '/')
			path.pop_back();
		members[path] = member;
	}
	return members;
}

class DebianPackage : public testing::Test {
protected:
	void
	SetUp() override
	{
		if (strlen(INSTALL_SANITIZE) != 0)
			GTEST_SKIP() << "the package is built and checked in the normal build only";
		ASSERT_FALSE(fTemp.Path().empty());
		// With Ninja, CPack only installs what is built; it builds nothing.
		std::string log;
		ASSERT_EQ(Command::Run({INSTALL_CPACK, "-G", "DEB", "--config",
		                        std::string(INSTALL_BUILD_DIR) + "/CPackConfig.cmake", "-B",
		                        fTemp.Path()},
		                       &log, {}, 120),
		          0)
		    << log;
		DIR* folder = opendir(fTemp.Path().c_str());
		ASSERT_NE(folder, nullptr);
		while (dirent* entry = readdir(folder)) {
			std::string name = entry->d_name;
			if (name.size() > 4 && name.compare(name.size() - 4, 4, ".deb") == 0)
				fDeb = fTemp / name;
		}
		closedir(folder);
		ASSERT_FALSE(fDeb.empty()) << log;
	}

	std::string
	Field(const std::string& name) const
	{
		std::string value;
		Command::Run({"dpkg-deb", "--field", fDeb, name}, &value);
		while (!value.empty() && value.back() == '\n')
			value.pop_back();
		return value;
	}

	TempDirectory fTemp;
	std::string fDeb;
};

TEST_F(DebianPackage, ControlNamesThePackageAndWhatItNeeds)
{
	std::string info;
	ASSERT_EQ(Command::Run({"dpkg-deb", "-I", fDeb}, &info), 0);
	EXPECT_EQ(Field("Package"), kPackage) << info;
	std::string architecture;
	Command::Run({"dpkg", "--print-architecture"}, &architecture);
	EXPECT_EQ(Field("Architecture") + "\n", architecture);

	std::multiset<std::string> depends = DependencyNames(Field("Depends"));
	// The screen, the encoder, opening documents and the MIME database; the
	// C++ runtime comes from the libraries the program is linked with.
	for (const char* needed :
	     {"libfltk1.3", "vorbis-tools", "xdg-utils", "shared-mime-info", "libstdc++6", "libc6"})
		EXPECT_EQ(depends.count(needed), 1u) << needed << " once in: " << Field("Depends");

	std::string maintainer = Field("Maintainer");
	EXPECT_NE(maintainer.find('<'), std::string::npos) << maintainer;
	EXPECT_NE(maintainer.find('@'), std::string::npos) << maintainer;
	std::string description = Field("Description");
	size_t lineEnd = description.find('\n');
	ASSERT_NE(lineEnd, std::string::npos) << "a synopsis and a long description: " << description;
	EXPECT_LT(lineEnd, 80u);
}

TEST_F(DebianPackage, ContentsAreTheInstallLayoutUnderUsrOwnedByRoot)
{
	std::string listing;
	ASSERT_EQ(Command::Run({"dpkg-deb", "-c", fDeb}, &listing), 0);
	std::map<std::string, Member> members = Members(listing);
	for (const auto& [path, member] : members) {
		EXPECT_TRUE(path == "/" || path == "/usr" || path.rfind("/usr/", 0) == 0) << path;
		EXPECT_EQ(member.owner, "root/root") << path;
	}

	const std::string folder = "/usr/lib/" + kPackage;
	EXPECT_EQ(members[folder + "/VorlixOggVorbisFrontend"].mode, "-rwxr-xr-x");
	EXPECT_EQ(members[folder + "/leggimi"].mode, "-rw-r--r--");
	EXPECT_EQ(members["/usr/bin/" + kPackage].mode[0], 'l');
	EXPECT_EQ(members["/usr/bin/" + kPackage].target,
	          "../lib/" + kPackage + "/VorlixOggVorbisFrontend");
	for (const std::string& path : std::vector<std::string>{
	         "/usr/share/applications/vorlix-ogg-vorbis-frontend.desktop",
	         "/usr/share/mime/packages/text-x-VorlixOggVorbisFronted-list.xml",
	         "/usr/share/metainfo/org.example.vorlix.OggVorbisFrontend.metainfo.xml",
	         "/usr/share/icons/hicolor/48x48/apps/vorlix-ogg-vorbis-frontend.png",
	         "/usr/share/icons/hicolor/scalable/apps/vorlix-ogg-vorbis-frontend.svg",
	         "/usr/share/icons/hicolor/16x16/mimetypes/text-x-VorlixOggVorbisFronted-list.png",
	         "/usr/share/man/man1/" + kPackage + ".1.gz",
	         "/usr/share/doc/" + kPackage + "/copyright",
	         "/usr/share/doc/" + kPackage + "/changelog.gz"})
		EXPECT_EQ(members.count(path), 1u) << path << " missing in:\n" << listing;

	// The system's triggers build the databases; a package carries none.
	for (const auto& [path, member] : members) {
		EXPECT_TRUE(path.rfind("/usr/share/mime/", 0) != 0 ||
		            path.rfind("/usr/share/mime/packages", 0) == 0)
		    << path;
		EXPECT_EQ(path.find("mimeinfo.cache"), std::string::npos) << path;
		EXPECT_EQ(path.find("icon-theme.cache"), std::string::npos) << path;
	}
}

TEST_F(DebianPackage, LintianFindsNoErrors)
{
	ASSERT_TRUE(Command::Exists("lintian")) << "scripts/setup installs it";
	std::string report;
	EXPECT_EQ(Command::Run({"lintian", "--fail-on", "error", fDeb}, &report, {}, 250), 0) << report;
	EXPECT_EQ(report.find("E: "), std::string::npos) << report;
}

} // namespace
