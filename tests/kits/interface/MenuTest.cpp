#include <Application.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <Messenger.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <set>

#include "tests/support/ApplicationThread.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/RecordingWindow.h"
#include <TokenSpace.h>

using BPrivate::kMsgMenuItemChosen;
using BPrivate::MenuItemState;
using BPrivate::TokenSpace;

namespace {

const char* kTitle = "Menu";

class Menus : public HeadlessFixture {
protected:
	void
	SetUp() override
	{
		HeadlessFixture::SetUp();
		window = new RecordingWindow(windowLog, kTitle);
	}

	// A pop-up of bit rates as the encoder options show it.
	BMenuField*
	AddBitrateField()
	{
		bitrates = new BMenu("Bitrate", B_ITEMS_IN_COLUMN);
		bitrates->AddItem(new BMenuItem("Default", nullptr));
		bitrates->AddSeparatorItem();
		for (int rate : {112, 128, 160, 192, 256, 350}) {
			char label[16];
			snprintf(label, sizeof(label), "%d kbps", rate);
			bitrates->AddItem(new BMenuItem(label, nullptr));
		}
		bitrates->ItemAt(0)->SetMarked(true);
		bitrates->SetRadioMode(true);
		bitrates->SetTriggersEnabled(false);
		bitrates->SetLabelFromMarked(true);
		BMenuField* field = new BMenuField(BRect(0, 0, 300, 20), "BitrateField",
		                                   "Bit rate approssimativo:", bitrates);
		window->AddChild(field);
		return field;
	}

	std::shared_ptr<MessageLog> windowLog = std::make_shared<MessageLog>();
	RecordingWindow* window = nullptr;
	BMenu* bitrates = nullptr;
};

} // namespace

TEST_F(Menus, RadioPopUpMarksTheChosenItemAndShowsItsLabel)
{
	AddBitrateField();
	window->Show();
	EXPECT_EQ(user.View(kTitle, "BitrateField").menuLabel, "Default");

	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {"350 kbps"}));
	ASSERT_TRUE(window->Lock());
	BMenuItem* marked = bitrates->FindMarked();
	EXPECT_EQ(bitrates->IndexOf(marked), 7);
	EXPECT_FALSE(bitrates->ItemAt(0)->IsMarked());
	window->Unlock();
	EXPECT_EQ(user.View(kTitle, "BitrateField").menuLabel, "350 kbps");
	EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), "350 kbps");

	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {"Default"}));
	EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), "Default");
	// Items without a message only mark.
	EXPECT_EQ(windowLog->Count(), 0u) << windowLog->Codes();
}

TEST_F(Menus, SeparatorsAndDisabledItemsCannotBeChosen)
{
	AddBitrateField();
	ASSERT_TRUE(bitrates->ItemAt(1)->Label()[0] == '\0');
	bitrates->ItemAt(3)->SetEnabled(false);
	window->Show();

	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.ChooseMenuItem(kTitle, "BitrateField", {""}); }), "");
	EXPECT_NE(user.Refusal([&] { user.ChooseMenuItem(kTitle, "BitrateField", {"128 kbps"}); }), "");
	std::vector<MenuItemState> items = user.View(kTitle, "BitrateField").menu;
	ASSERT_EQ(items.size(), 8u);
	EXPECT_TRUE(items[1].separator);
	EXPECT_FALSE(items[1].enabled);
	EXPECT_FALSE(items[3].enabled);
	EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), "Default");
}

TEST_F(Menus, MarkingInRadioModeUnmarksTheOthers)
{
	BMenu menu("menu");
	menu.AddItem(new BMenuItem("a", nullptr));
	menu.AddItem(new BMenuItem("b", nullptr));
	menu.ItemAt(0)->SetMarked(true);
	menu.ItemAt(1)->SetMarked(true);
	EXPECT_TRUE(menu.ItemAt(0)->IsMarked()) << "no radio mode yet";

	menu.SetLabelFromMarked(true);
	EXPECT_TRUE(menu.IsRadioMode());
	menu.ItemAt(0)->SetMarked(true);
	EXPECT_FALSE(menu.ItemAt(1)->IsMarked());
	EXPECT_EQ(menu.FindMarked(), menu.ItemAt(0));

	menu.SetRadioMode(false);
	EXPECT_FALSE(menu.IsLabelFromMarked());
}

TEST_F(Menus, ItemsAreFoundByIndexLabelAndSubmenu)
{
	BMenuBar bar(BRect(0, 0, 10, 10), "MenuBar");
	BMenu* list = new BMenu("Lista");
	BMenuItem* clear = new BMenuItem("Nuova", new BMessage('NWLS'));
	list->AddItem(clear);
	EXPECT_TRUE(bar.AddItem(list));
	EXPECT_FALSE(bar.AddItem(list)) << "a menu has one superitem";

	EXPECT_EQ(bar.CountItems(), 1);
	EXPECT_EQ(bar.IndexOf(list), 0);
	EXPECT_EQ(bar.ItemAt(0)->Submenu(), list);
	EXPECT_EQ(list->Supermenu(), &bar);
	EXPECT_EQ(list->Superitem(), bar.ItemAt(0));
	EXPECT_EQ(bar.FindItem("Nuova"), clear);
	EXPECT_EQ(clear->Menu(), list);
	BMenuItem other("other", nullptr);
	EXPECT_EQ(list->IndexOf(&other), B_ERROR);
	EXPECT_FALSE(list->AddItem(&other, 5));
	EXPECT_EQ(list->ItemAt(5), nullptr);
	EXPECT_FALSE(list->AddItem(clear)) << "an item belongs to one menu";

	EXPECT_EQ(list->RemoveItem((int32)0), clear);
	EXPECT_EQ(clear->Menu(), nullptr);
	EXPECT_EQ(list->CountItems(), 0);
	delete clear;
}

TEST_F(Menus, MenuBarItemsDeliverToTheWindowOrToTheirOwnTarget)
{
	auto appLog = std::make_shared<MessageLog>();
	RecordingLooper* app = new RecordingLooper(appLog, nullptr, "app");
	app->Run();

	BMenuBar* bar = new BMenuBar(BRect(0, 0, 10, 10), "MenuBar");
	BMenu* list = new BMenu("Lista");
	list->AddItem(new BMenuItem("Nuova", new BMessage('NWLS')));
	list->AddSeparatorItem();
	list->AddItem(new BMenuItem("Esci", new BMessage('CLOS')));
	BMenu* help = new BMenu("?");
	BMenuItem* about = new BMenuItem("Informazioni su...", new BMessage(B_ABOUT_REQUESTED));
	EXPECT_EQ(about->SetTarget(app), B_OK);
	help->AddItem(about);
	bar->AddItem(list);
	bar->AddItem(help);
	window->AddChild(bar);
	window->Show();

	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "MenuBar", {"Lista", "Esci"}));
	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "MenuBar", {"?", "Informazioni su..."}));
	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.ChooseMenuItem(kTitle, "MenuBar", {"Lista"}); }), "")
	    << "opens a submenu";

	ASSERT_EQ(windowLog->Count(), 1u) << windowLog->Codes();
	BMessage quit = windowLog->Messages()[0];
	EXPECT_EQ(quit.what, (uint32)'CLOS');
	int32 index = -1;
	EXPECT_EQ(quit.FindInt32("index", &index), B_OK);
	EXPECT_EQ(index, 2);
	ASSERT_EQ(appLog->Count(), 1u) << appLog->Codes();
	EXPECT_EQ(appLog->Messages()[0].what, (uint32)B_ABOUT_REQUESTED);

	// Loopers, windows, views and menu items take their tokens from one
	// space: no two share one, and the display names a window by its
	// handler token.
	EXPECT_EQ(display.FindWindow(kTitle)->token, TokenSpace::TokenOf(window));
	std::vector<int32> tokens = {TokenSpace::TokenOf(app), TokenSpace::TokenOf(window)};
	std::function<void(const std::vector<MenuItemState>&)> addItems =
	    [&](const std::vector<MenuItemState>& items) {
		    for (const MenuItemState& item : items) {
			    tokens.push_back(item.token);
			    addItems(item.items);
		    }
	    };
	addItems(user.View(kTitle, "MenuBar").menu);
	tokens.push_back(user.View(kTitle, "MenuBar").token);
	std::set<int32> distinct(tokens.begin(), tokens.end());
	EXPECT_EQ(distinct.size(), tokens.size());
	EXPECT_EQ(distinct.count(TokenSpace::kNoToken), 0u);
	EXPECT_EQ(tokens.size(), 9u);

	ASSERT_TRUE(app->Lock());
	app->Quit();
}

TEST_F(Menus, DisabledMenuIgnoresLateChoices)
{
	BMenuField* field = AddBitrateField();
	window->Show();
	int32 item = user.View(kTitle, "BitrateField").menu[7].token;
	ASSERT_TRUE(window->Lock());
	field->SetEnabled(false);
	window->Unlock();

	BMessage late(kMsgMenuItemChosen);
	late.AddInt32("be:view", user.View(kTitle, "BitrateField").token);
	late.AddInt32("be:item", item);
	BMessenger(window).SendMessage(&late);
	EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), "Default");
}

TEST_F(Menus, ItemAimedAtTheApplicationReachesItsAboutHook)
{
	std::atomic<int32> abouts{0};
	class AboutApp : public BApplication {
	public:
		explicit AboutApp(std::atomic<int32>* abouts)
		    : BApplication("application/x-vnd.Vorlix-MenuTest"), fAbouts(abouts)
		{
		}

		void
		AboutRequested() override
		{
			(*fAbouts)++;
		}

	private:
		std::atomic<int32>* fAbouts;
	};
	ApplicationThread application([&] { return new AboutApp(&abouts); });

	BMenuBar* bar = new BMenuBar(BRect(0, 0, 10, 10), "MenuBar");
	BMenu* help = new BMenu("?");
	BMenuItem* about = new BMenuItem("Informazioni su...", new BMessage(B_ABOUT_REQUESTED));
	EXPECT_EQ(about->SetTarget(be_app), B_OK);
	help->AddItem(about);
	bar->AddItem(help);
	window->AddChild(bar);
	window->Show();

	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "MenuBar", {"?", "Informazioni su..."}));
	EXPECT_EQ(abouts, 1);
	EXPECT_EQ(windowLog->Count(), 0u) << windowLog->Codes();
	application.Quit();
}
