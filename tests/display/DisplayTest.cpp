#include "Display.h"

#include <Application.h>

#include <gtest/gtest.h>

#include "FixedFont.h"
#include "HeadlessDisplay.h"

namespace {

HeadlessDisplay* sMade = nullptr;

Display*
OpenDisplay(std::string*)
{
	sMade = new HeadlessDisplay();
	return sMade;
}

Display*
FailToOpen(std::string* error)
{
	*error = "Impossibile aprire il display :99";
	return nullptr;
}

} // namespace

TEST(Display, PlatformDisplayComesFromTheRegisteredFactory)
{
	std::string error;
	EXPECT_TRUE(Display::InstallPlatformDisplay(&error)) << "no factory: nothing to do";
	EXPECT_EQ(Display::Current(), nullptr);

	Display::SetFactory(FailToOpen);
	EXPECT_FALSE(Display::InstallPlatformDisplay(&error));
	EXPECT_EQ(error, "Impossibile aprire il display :99");
	EXPECT_EQ(Display::Current(), nullptr);

	Display::SetFactory(OpenDisplay);
	EXPECT_TRUE(Display::InstallPlatformDisplay(&error));
	EXPECT_EQ(Display::Current(), sMade);
	EXPECT_TRUE(Display::InstallPlatformDisplay(&error));
	EXPECT_EQ(Display::Current(), sMade) << "a current display stays";

	Display::SetCurrent(nullptr);
	Display::SetFactory(nullptr);
	delete sMade;
}

TEST(Display, MeasuresComeFromTheCurrentDisplayOrTheReferenceFont)
{
	EXPECT_EQ(Display::FontHeight().ascent, 10);
	EXPECT_EQ(Display::Width("Esci"), 24);
	EXPECT_EQ(Display::Width("giù"), 18) << "characters, not bytes";

	HeadlessDisplay display;
	display.SetFont(FixedFont{{14, 4, 3}, 9});
	Display::SetCurrent(&display);
	EXPECT_EQ(Display::FontHeight().descent, 4);
	EXPECT_EQ(Display::Width("Esci"), 36);
	Display::SetCurrent(nullptr);
}

TEST(Display, TokensAreNeverReused)
{
	int32 first = Display::NewToken();
	int32 second = Display::NewToken();
	EXPECT_GT(first, 0);
	EXPECT_GT(second, first);
}

TEST(Display, ProgramWithoutADisplaySaysSoAndExits)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	EXPECT_EXIT(
	    {
		    Display::SetFactory(FailToOpen);
		    BApplication::SetLaunchFiles(0, nullptr);
		    BApplication app("application/x-vnd.Vorlix-Test");
	    },
	    testing::ExitedWithCode(1), "Impossibile aprire il display :99");
}
