#include <Button.h>
#include <Message.h>
#include <Tab.h>
#include <TabView.h>
#include <TextControl.h>

#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingWindow.h"

using BPrivate::ViewState;

namespace {

const char* kTitle = "Schede";

class Tabs : public HeadlessFixture {
protected:
	void
	SetUp() override
	{
		HeadlessFixture::SetUp();
		window = new RecordingWindow(windowLog, kTitle, BRect(100, 100, 540, 380));
		tabs = new BTabView(BRect(5, 5, 435, 226), "TabView");
		BRect page = tabs->Bounds();
		page.InsetBy(10, 10);
		page.right -= 2;
		page.bottom -= tabs->TabHeight() + 3;
		for (const char* name : {"File", "Opzioni di Oggenc", "Opzioni del programma"}) {
			BView* view = new BView(page, name, B_FOLLOW_NONE, 0);
			tabs->AddTab(view, new BTab());
		}
		tabs->ViewForTab(0)->AddChild(
		    new BButton(BRect(0, 0, 74, 24), "AddFiles", "Aggiungi...", new BMessage('ADDF')));
		tabs->ViewForTab(1)->AddChild(
		    new BTextControl(BRect(0, 30, 300, 31), "ExtraParam", "Altri:", "", nullptr));
		window->AddChild(tabs);
		window->Show();
	}

	std::shared_ptr<MessageLog> windowLog = std::make_shared<MessageLog>();
	RecordingWindow* window = nullptr;
	BTabView* tabs = nullptr;
};

} // namespace

TEST_F(Tabs, LabelsAreTheViewsNamesAndTheFirstTabStartsSelected)
{
	ViewState state = user.View(kTitle, "TabView");
	EXPECT_EQ(state.tabLabels,
	          (std::vector<std::string>{"File", "Opzioni di Oggenc", "Opzioni del programma"}));
	EXPECT_EQ(state.selectedTab, 0);
	EXPECT_EQ(user.View(kTitle, "File").frame, BRect(10, 10, 418, 188));
	EXPECT_EQ(user.FrameInWindow(kTitle, "File"), BRect(15, 35, 423, 213));

	ASSERT_TRUE(window->Lock());
	tabs->TabAt(2)->SetLabel("Programma");
	EXPECT_EQ(tabs->ViewForTab(2)->Name(), std::string("Programma"));
	window->Unlock();
	EXPECT_EQ(user.View(kTitle, "TabView").tabLabels[2], "Programma");
}

TEST_F(Tabs, OnlyTheSelectedPageTakesInputAndPagesKeepTheirState)
{
	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.Type(kTitle, "ExtraParam", "-q 5"); }), "")
	    << "its tab is not shown";

	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", "Opzioni di Oggenc"));
	ASSERT_TRUE(window->Lock());
	EXPECT_EQ(tabs->Selection(), 1);
	EXPECT_TRUE(tabs->TabAt(1)->IsSelected());
	window->Unlock();
	ASSERT_TRUE(user.Type(kTitle, "ExtraParam", "-q 5"));
	EXPECT_NE(user.Refusal([&] { user.Click(kTitle, "AddFiles"); }), "") << "its tab is not shown";

	ASSERT_TRUE(window->Lock());
	tabs->Select(0);
	window->Unlock();
	EXPECT_EQ(user.View(kTitle, "TabView").selectedTab, 0);
	ASSERT_TRUE(user.Click(kTitle, "AddFiles"));
	EXPECT_EQ(user.View(kTitle, "ExtraParam").text, "-q 5");
	ASSERT_EQ(windowLog->Count(), 1u) << windowLog->Codes();
	EXPECT_EQ(windowLog->Messages()[0].what, (uint32)'ADDF');
}

TEST_F(Tabs, SelectingAMissingTabChangesNothing)
{
	ASSERT_TRUE(window->Lock());
	tabs->Select(7);
	EXPECT_EQ(tabs->Selection(), 0);
	BTab* removed = tabs->RemoveTab(0);
	ASSERT_NE(removed, nullptr);
	EXPECT_EQ(tabs->CountTabs(), 2);
	EXPECT_EQ(removed->View()->Window(), nullptr);
	window->Unlock();
	delete removed;
	EXPECT_EQ(user.View(kTitle, "TabView").tabLabels.size(), 2u);
}
