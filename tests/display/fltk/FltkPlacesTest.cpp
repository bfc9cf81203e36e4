#include "FltkPlaces.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/TempDirectory.h"

namespace {

using Places = std::vector<FltkPlaces::Place>;

} // namespace

TEST(FltkPlaces, UserDirsAndBookmarksAreReadAsTheDesktopWritesThem)
{
	const std::string dirs = "# written by xdg-user-dirs-update\n"
	                         "XDG_DESKTOP_DIR=\"$HOME/Scrivania\"\n"
	                         "XDG_MUSIC_DIR=\"/srv/musica comune\"\n"
	                         "XDG_VIDEOS_DIR=\"Video\"\n";
	struct {
		const char* key;
		const char* folder;
	} const cases[] = {
	    {"XDG_DESKTOP_DIR", "/home/u/Scrivania"},
	    {"XDG_MUSIC_DIR", "/srv/musica comune"},
	    {"XDG_VIDEOS_DIR", ""},
	    {"XDG_MUSIC", ""},
	    {"XDG_PICTURES_DIR", ""},
	};
	for (const auto& test : cases)
		EXPECT_EQ(FltkPlaces::UserDir(dirs, test.key, "/home/u"), test.folder) << test.key;

	EXPECT_EQ(
	    FltkPlaces::Bookmarks("file:///home/u/Brani%20vecchi\n"
	                          "file:///srv/dischi Dischi di casa\n"
	                          "sftp://server/home/u Server\n"
	                          "\n"),
	    (Places{{"Brani vecchi", "/home/u/Brani vecchi"}, {"Dischi di casa", "/srv/dischi"}}));
}

TEST(FltkPlaces, EachExistingFolderComesOnceInTheDesktopsOrder)
{
	TempDirectory home;
	for (const char* folder : {"/Musica", "/Progetti", "/.config", "/.config/gtk-3.0"})
		ASSERT_EQ(mkdir((home.Path() + folder).c_str(), 0755), 0);
	home.WriteFile(".config/user-dirs.dirs",
	               "XDG_MUSIC_DIR=\"$HOME/Musica\"\nXDG_DESKTOP_DIR=\"$HOME/Scrivania\"\n");
	home.WriteFile(".config/gtk-3.0/bookmarks", "file://" + home.Path() + "/Progetti\nfile://" +
	                                                home.Path() +
	                                                "/Musica Brani\nfile:///nessuna\n");
	EXPECT_EQ(FltkPlaces::Find(home.Path(), home.Path() + "/.config"),
	          (Places{{"Cartella home", home.Path()},
	                  {"Musica", home.Path() + "/Musica"},
	                  {"File system", "/"},
	                  {"Progetti", home.Path() + "/Progetti"}}))
	    << "the desktop folder is missing, the music folder already there";
}
