#include <ListItem.h>

#include <string>
#include <vector>

#include "app/OptionsView.h"
#include "encode/EncoderView.h"
#include "list/FilesList.h"
#include "list/FilesView.h"
#include "tests/support/MainWindowFixture.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

using BPrivate::FixedFont;
using BPrivate::ViewState;

namespace {

class TabViewTest : public MainWindowFixture, public testing::WithParamInterface<FixedFont> {};

} // namespace

TEST_P(TabViewTest, ThreePagesInOneRectangleAndTabsAsWideAsTheWidest)
{
	display.SetFont(GetParam());
	Start();
	ViewState tabs = user.View(kTitle, "TabView");
	EXPECT_EQ(tabs.tabLabels,
	          (std::vector<std::string>{"File", "Opzioni di Oggenc", "Opzioni del programma"}));
	EXPECT_EQ(tabs.selectedTab, 0);
	EXPECT_EQ(tabs.resizingMode, (uint32)B_FOLLOW_ALL_SIDES);
	EXPECT_EQ(tabs.flags, 0xAE000000u);
	ASSERT_EQ(tabs.tabFrames.size(), 3u);
	float widest = GetParam().StringWidth("Opzioni del programma") + 20;
	for (const BRect& frame : tabs.tabFrames)
		EXPECT_EQ(frame.Width(), widest);

	float tabHeight = 0;
	Locked([&] {
		TabView* view = window->tabView;
		tabHeight = view->TabHeight();
		EXPECT_EQ(view->TabWidth(), B_WIDTH_FROM_WIDEST);
		EXPECT_EQ(view->ViewForTab(0), view->filesView);
		EXPECT_EQ(view->ViewForTab(1), view->encoderView);
		EXPECT_EQ(view->ViewForTab(2), view->optionsView);
	});
	BRect bounds = tabs.frame.OffsetToCopy(0, 0);
	BRect page(10, 10, bounds.right - 12, bounds.bottom - 13 - tabHeight);
	for (const char* name : {"File", "Opzioni di Oggenc", "Opzioni del programma"}) {
		ViewState view = user.View(kTitle, name);
		EXPECT_EQ(view.frame, page) << name;
		EXPECT_EQ(view.resizingMode, (uint32)B_FOLLOW_NONE) << name;
		EXPECT_EQ(view.flags, 0u) << name;
		EXPECT_EQ(view.viewColor, ui_color(B_PANEL_BACKGROUND_COLOR)) << name;
	}
}

INSTANTIATE_TEST_SUITE_P(Fonts, TabViewTest,
                         testing::Values(FixedFont::Reference(), MainWindowFixture::kLargeFont));

TEST_F(TabViewTest, PagesKeepTheirContentsAcrossTabs)
{
	Start();
	window->filesList->AddFile("/audio/0.wav");
	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", "Opzioni di Oggenc"));
	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {"192 kbps"}));
	ASSERT_TRUE(user.Type(kTitle, "ExtraParam", "-q 5"));
	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", "Opzioni del programma"));
	ASSERT_TRUE(user.Click(kTitle, "DontCloseOnAdd"));
	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", "File"));

	EXPECT_EQ(Rows(), (std::vector<std::string>{"/audio/0.wav"}));
	EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), "192 kbps");
	EXPECT_EQ(user.View(kTitle, "ExtraParam").text, "-q 5");
	EXPECT_EQ(user.View(kTitle, "DontCloseOnAdd").value, B_CONTROL_ON);
	Locked([&] {
		char options[256];
		window->tabView->encoderView->OptionsBefore(options);
		EXPECT_STREQ(options, "-b 192 -q 5");
	});
}
