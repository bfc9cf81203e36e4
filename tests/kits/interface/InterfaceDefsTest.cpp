#include <InterfaceDefs.h>

#include <gtest/gtest.h>

TEST(InterfaceDefs, PanelBackgroundIsTheDefaultGrey)
{
	rgb_color grey = {216, 216, 216, 255};
	EXPECT_EQ(ui_color(B_PANEL_BACKGROUND_COLOR), grey);
	EXPECT_NE(ui_color(B_DESKTOP_COLOR), grey);
}
