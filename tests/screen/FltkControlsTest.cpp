#include <Autolock.h>
#include <Button.h>
#include <CheckBox.h>
#include <ListItem.h>
#include <ListView.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <ScrollView.h>
#include <TabView.h>
#include <TextControl.h>
#include <TextView.h>

#include "tests/support/Polling.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScreenFixture.h"

namespace {

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new ScreenSession);

const uint32 kMsgPress = 'PRES';
const uint32 kMsgOther = 'OTHR';
const uint32 kMsgSentinel = 'SENT';
const uint32 kMsgTyped = 'TYPD';
const uint32 kMsgToggled = 'TOGL';
const uint32 kMsgNew = 'NWLS';
const uint32 kMsgQuit = 'CLOS';
const uint32 kMsgLow = 'LOW ';
const uint32 kMsgHigh = 'HIGH';
const uint32 kMsgSelection = 'SELC';
const uint32 kMsgKey = 'KEYD';

const char* const kTitle = "Finestra di prova";

// A list that tells its window of every change of its selection.
class ProbeList : public BListView {
public:
	explicit ProbeList(BRect frame)
	    : BListView(frame, "Probe", B_MULTIPLE_SELECTION_LIST, B_FOLLOW_ALL_SIDES,
	                B_WILL_DRAW | B_NAVIGABLE)
	{
	}

	void
	SelectionChanged() override
	{
		Window()->PostMessage(kMsgSelection);
	}

	void
	KeyDown(const char* bytes, int32) override
	{
		BMessage key(kMsgKey);
		key.AddString("bytes", bytes);
		Window()->PostMessage(&key);
	}
};

class FltkControls : public ScreenFixture {
protected:
	RecordingWindow*
	MakeWindow(const char* title = kTitle, window_feel feel = B_NORMAL_WINDOW_FEEL,
	           BRect frame = BRect(100, 100, 499, 399))
	{
		return new RecordingWindow(log, title, frame, feel,
		                           feel == B_NORMAL_WINDOW_FEEL ? 0u : (uint32)B_NOT_CLOSABLE);
	}

	template <typename Parent>
	BButton*
	AddButton(Parent* parent, BRect frame, const char* label, uint32 what)
	{
		BButton* button = new BButton(frame, label, label, new BMessage(what));
		parent->AddChild(button);
		return button;
	}

	// A click on a button clicked last: once its message came, the screen
	// has handled every input before it.
	void
	Sentinel(const char* title = kTitle)
	{
		ASSERT_TRUE(User().ClickLabel(title, "Fine"));
		ASSERT_TRUE(WaitForMessage(kMsgSentinel));
	}

	std::vector<int32>
	Selection(BListView* list)
	{
		BAutolock lock(list->Window());
		std::vector<int32> rows;
		for (int32 index = 0; list->CurrentSelection(index) >= 0; index++)
			rows.push_back(list->CurrentSelection(index));
		return rows;
	}
};

} // namespace

TEST_F(FltkControls, AClickedButtonSendsItsMessageAndADisabledOneNothing)
{
	RecordingWindow* window = MakeWindow();
	AddButton(window, BRect(10, 10, 110, 34), "Premi", kMsgPress);
	BButton* disabled = AddButton(window, BRect(10, 50, 110, 74), "Spento", kMsgOther);
	disabled->SetEnabled(false);
	AddButton(window, BRect(10, 250, 110, 274), "Fine", kMsgSentinel);
	window->Show();

	ASSERT_TRUE(User().Click(kTitle, BPoint(60, 62)));
	ASSERT_TRUE(User().Click(kTitle, BPoint(60, 22)));
	ASSERT_TRUE(WaitForMessage(kMsgPress));
	Sentinel();
	EXPECT_EQ(Count(kMsgOther), 0u) << log->Codes();
	EXPECT_EQ(Count(kMsgPress), 1u) << log->Codes();
}

TEST_F(FltkControls, TypingSendsEveryChangeAndStopsAtTheByteLimit)
{
	RecordingWindow* window = MakeWindow();
	BTextControl* control =
	    new BTextControl(BRect(10, 10, 300, 30), "Field", "Testo:", "", new BMessage('INVK'));
	control->SetDivider(100);
	control->SetModificationMessage(new BMessage(kMsgTyped));
	// (Non-ASCII typing through xdotool is not reliable: the cut of
	// characters is tested without the screen.)
	control->TextView()->SetMaxBytes(3);
	window->AddChild(control);
	AddButton(window, BRect(10, 250, 110, 274), "Fine", kMsgSentinel);
	window->Show();

	ASSERT_TRUE(User().Click(kTitle, BPoint(200, 20)));
	ASSERT_TRUE(User().Type("abcd"));
	Sentinel();
	BAutolock lock(window);
	EXPECT_STREQ(control->Text(), "abc");
	EXPECT_EQ(Count(kMsgTyped), 3u) << "one change a character, none for the refused one";
}

TEST_F(FltkControls, ACheckBoxSendsItsNewValueEachTime)
{
	RecordingWindow* window = MakeWindow();
	BCheckBox* box =
	    new BCheckBox(BRect(10, 10, 200, 30), "Box", "Non chiudere", new BMessage(kMsgToggled));
	window->AddChild(box);
	window->Show();

	ASSERT_TRUE(User().Click(kTitle, BPoint(18, 20)));
	std::optional<BMessage> on = WaitForMessage(kMsgToggled);
	ASSERT_TRUE(User().Click(kTitle, BPoint(18, 20)));
	std::optional<BMessage> off = WaitForMessage(kMsgToggled);
	ASSERT_TRUE(on && off);
	int32 value = -1;
	EXPECT_EQ(on->FindInt32("be:value", &value), B_OK);
	EXPECT_EQ(value, B_CONTROL_ON);
	EXPECT_EQ(off->FindInt32("be:value", &value), B_OK);
	EXPECT_EQ(value, B_CONTROL_OFF);
}

TEST_F(FltkControls, MenuItemsOfTheBarAndOfAMenuFieldAreChosen)
{
	RecordingWindow* window = MakeWindow();
	BMenuBar* bar = new BMenuBar(BRect(0, 0, 10, 10), "MenuBar");
	BMenu* list = new BMenu("Lista");
	list->AddItem(new BMenuItem("Nuova", new BMessage(kMsgNew)));
	list->AddSeparatorItem();
	list->AddItem(new BMenuItem("Esci", new BMessage(kMsgQuit)));
	bar->AddItem(list);
	window->AddChild(bar);

	BMenu* rates = new BMenu("rates");
	rates->SetRadioMode(true);
	rates->SetLabelFromMarked(true);
	BMenuItem* low = new BMenuItem("64 kbit/s", new BMessage(kMsgLow));
	rates->AddItem(low);
	rates->AddItem(new BMenuItem("128 kbit/s", new BMessage(kMsgHigh)));
	low->SetMarked(true);
	BMenuField* field = new BMenuField(BRect(10, 60, 300, 80), "Rate", "Qualità:", rates);
	field->SetDivider(100);
	window->AddChild(field);
	window->Show();

	// The first item of the bar lies at its left end.
	ASSERT_TRUE(User().Click(kTitle, BPoint(12, 8)));
	ASSERT_TRUE(User().Key("Down"));
	ASSERT_TRUE(User().Key("Down"));
	ASSERT_TRUE(User().Key("Return"));
	ASSERT_TRUE(WaitForMessage(kMsgQuit)) << "the separator is skipped";

	ASSERT_TRUE(User().Click(kTitle, BPoint(200, 70)));
	ASSERT_TRUE(User().Key("Down"));
	ASSERT_TRUE(User().Key("Down"));
	ASSERT_TRUE(User().Key("Return"));
	ASSERT_TRUE(WaitForMessage(kMsgHigh));
	BAutolock lock(window);
	ASSERT_NE(rates->FindMarked(), nullptr);
	EXPECT_STREQ(rates->FindMarked()->Label(), "128 kbit/s");
	EXPECT_EQ(Count(kMsgNew), 0u) << log->Codes();
}

TEST_F(FltkControls, ListRowsAreSelectedWithClickShiftClickAndCtrlClick)
{
	RecordingWindow* window = MakeWindow();
	ProbeList* list = new ProbeList(BRect(12, 12, 300, 200));
	for (const char* path : {"/tmp/0.wav", "/tmp/1.wav", "/tmp/2.wav", "/tmp/3.wav"})
		list->AddItem(new BStringItem(path));
	window->AddChild(new BScrollView("Scroll", list, B_FOLLOW_ALL_SIDES, 0, false, true));
	window->Show();

	font_height font = Screen().PlainFontHeight();
	float row = font.ascent + font.descent;
	// The scroll view starts 2 left of and above the list, its border is 2.
	auto middleOf = [&](int32 index) { return BPoint(100, 10 + 2 + row * index + row / 2); };

	ASSERT_TRUE(User().Click(kTitle, middleOf(1)));
	ASSERT_TRUE(WaitForMessage(kMsgSelection));
	EXPECT_EQ(Selection(list), (std::vector<int32>{1}));
	ASSERT_TRUE(User().Click(kTitle, middleOf(3), "shift"));
	ASSERT_TRUE(WaitForMessage(kMsgSelection));
	EXPECT_EQ(Selection(list), (std::vector<int32>{1, 2, 3}));
	ASSERT_TRUE(User().Click(kTitle, middleOf(2), "ctrl"));
	ASSERT_TRUE(WaitForMessage(kMsgSelection));
	EXPECT_EQ(Selection(list), (std::vector<int32>{1, 3}));
}

TEST_F(FltkControls, AChosenTabShowsItsPageOnly)
{
	RecordingWindow* window = MakeWindow();
	BTabView* tabs = new BTabView(BRect(5, 5, 390, 240), "Tabs");
	BView* first = new BView(BRect(10, 10, 370, 190), "Primo", 0, 0);
	AddButton(first, BRect(10, 10, 110, 34), "Uno", kMsgOther);
	BView* second = new BView(BRect(10, 10, 370, 190), "Secondo", 0, 0);
	AddButton(second, BRect(10, 10, 110, 34), "Due", kMsgPress);
	tabs->AddTab(first);
	tabs->AddTab(second);
	tabs->SetTabWidth(B_WIDTH_FROM_WIDEST);
	window->AddChild(tabs);
	AddButton(window, BRect(10, 250, 110, 274), "Fine", kMsgSentinel);
	window->Show();

	BRect secondTab;
	{
		BAutolock lock(window);
		secondTab = tabs->TabFrame(1);
		EXPECT_EQ(tabs->TabFrame(0).Width(), secondTab.Width()) << "as wide as the widest";
	}
	secondTab.OffsetBy(5, 5);
	ASSERT_TRUE(User().Click(kTitle, ScreenUser::Middle(secondTab)));
	ASSERT_TRUE(User().WaitForScreen());
	{
		BAutolock lock(window);
		EXPECT_EQ(tabs->Selection(), 1);
	}
	// Both buttons lie at the same place of their pages.
	BRect button(10, 10, 110, 34);
	{
		BAutolock lock(window);
		BRect container = tabs->ContainerView()->Frame();
		button.OffsetBy(5 + container.left + 10, 5 + container.top + 10);
	}
	ASSERT_TRUE(User().Click(kTitle, ScreenUser::Middle(button)));
	ASSERT_TRUE(WaitForMessage(kMsgPress));
	Sentinel();
	EXPECT_EQ(Count(kMsgOther), 0u) << "the first page is hidden: " << log->Codes();
}

TEST_F(FltkControls, KeysSwitchTabsMoveTheFocusExtendTheSelectionAndReachTheFocusedView)
{
	RecordingWindow* window = MakeWindow();
	BTabView* tabs = new BTabView(BRect(5, 5, 390, 110), "Tabs");
	BView* first = new BView(BRect(10, 10, 370, 70), "Primo", 0, 0);
	AddButton(first, BRect(10, 10, 110, 34), "Uno", kMsgOther);
	BView* second = new BView(BRect(10, 10, 370, 70), "Secondo", 0, 0);
	second->AddChild(new BTextControl(BRect(10, 10, 300, 30), "Field", "Testo:", "", nullptr));
	tabs->AddTab(first);
	tabs->AddTab(second);
	window->AddChild(tabs);
	ProbeList* list = new ProbeList(BRect(12, 132, 300, 230));
	for (const char* path : {"/tmp/0.wav", "/tmp/1.wav", "/tmp/2.wav", "/tmp/3.wav"})
		list->AddItem(new BStringItem(path));
	window->AddChild(new BScrollView("Scroll", list, B_FOLLOW_ALL_SIDES, 0, false, true));
	AddButton(window, BRect(10, 250, 110, 274), "Fine", kMsgSentinel);
	window->Show();

	font_height font = Screen().PlainFontHeight();
	ASSERT_TRUE(User().Click(kTitle, BPoint(100, 132 + (font.ascent + font.descent) / 2)));
	ASSERT_TRUE(WaitForMessage(kMsgSelection));
	struct {
		const char* key;
		std::vector<int32> selection;
	} const rows[] = {
	    {"shift+Down", {0, 1}}, {"shift+Down", {0, 1, 2}}, {"shift+Up", {0, 1}},
	    {"Down", {2}},          {"shift+Up", {1, 2}},      {"Up", {0}},
	};
	for (const auto& row : rows) {
		ASSERT_TRUE(User().Key(row.key));
		ASSERT_TRUE(WaitForMessage(kMsgSelection)) << row.key;
		EXPECT_EQ(Selection(list), row.selection) << row.key;
	}
	// A key that nothing on the screen uses reaches the focused view.
	ASSERT_TRUE(User().Key("Delete"));
	std::optional<BMessage> key = WaitForMessage(kMsgKey);
	ASSERT_TRUE(key);
	const char* bytes = "";
	EXPECT_EQ(key->FindString("bytes", &bytes), B_OK);
	EXPECT_STREQ(bytes, "\x7f");

	BPoint field;
	{
		BAutolock lock(window);
		BRect container = tabs->ContainerView()->Frame();
		// The page lies 10 inside the container, the field 10 inside the page.
		field = BPoint(5 + container.left + 10 + 200, 5 + container.top + 10 + 20);
	}
	auto tabIs = [&](int32 tab) {
		return Polling::WaitUntil(
		    [&] {
			    BAutolock lock(window);
			    return tabs->Selection() == tab;
		    },
		    MessageLog::kTimeout);
	};
	// From the list, then from a text field, which has keys of its own.
	struct {
		const char* key;
		int32 tab;
	} const switches[] = {
	    {"ctrl+Tab", 1}, {"ctrl+Next", 0}, {"ctrl+shift+Tab", 1}, {"", 1}, {"ctrl+Prior", 0},
	};
	for (const auto& step : switches) {
		if (*step.key == '\0') {
			ASSERT_TRUE(User().WaitForScreen());
			ASSERT_TRUE(User().Click(kTitle, field));
			continue;
		}
		ASSERT_TRUE(User().Key(step.key));
		EXPECT_TRUE(tabIs(step.tab)) << step.key;
	}

	// The focused field went with its tab: the focus is on the first
	// control that takes it, and Tab goes on in the views' order.
	ASSERT_TRUE(User().Key("Return"));
	ASSERT_TRUE(WaitForMessage(kMsgOther));
	ASSERT_TRUE(User().Key("Tab"));
	ASSERT_TRUE(User().Key("Tab"));
	ASSERT_TRUE(User().Key("Return"));
	ASSERT_TRUE(WaitForMessage(kMsgSentinel));
	EXPECT_EQ(Count(kMsgOther), 1u) << log->Codes();
}

TEST_F(FltkControls, AModalWindowTakesAllInputWhileItIsShown)
{
	RecordingWindow* window = MakeWindow();
	AddButton(window, BRect(10, 10, 110, 34), "Premi", kMsgPress);
	window->Show();
	RecordingWindow* modal =
	    MakeWindow("Stato della codifica", B_MODAL_APP_WINDOW_FEEL, BRect(600, 100, 899, 199));
	AddButton(modal, BRect(10, 10, 110, 34), "Fine", kMsgSentinel);
	ASSERT_NE(User().WaitForDrawn(kTitle), 0u);
	modal->Show();
	ASSERT_NE(User().WaitForDrawn("Stato della codifica"), 0u);

	ASSERT_TRUE(User().Click(kTitle, BPoint(60, 22)));
	Sentinel("Stato della codifica");
	EXPECT_EQ(Count(kMsgPress), 0u) << "blocked by the modal window: " << log->Codes();

	modal->Hide();
	ASSERT_TRUE(User().WaitForScreen());
	ASSERT_TRUE(User().Click(kTitle, BPoint(60, 22)));
	EXPECT_TRUE(WaitForMessage(kMsgPress)) << "free again once the modal window is hidden";
}

TEST_F(FltkControls, EscapeClosesNoWindow)
{
	RecordingWindow* window = MakeWindow();
	AddButton(window, BRect(10, 250, 110, 274), "Fine", kMsgSentinel);
	window->Show();

	ASSERT_TRUE(User().Key(kTitle, "Escape"));
	Sentinel();
	EXPECT_FALSE(log->IsDeleted()) << "the window was closed";
}

TEST_F(FltkControls, TheCloseBoxAsksTheWindowToQuitUnlessItHasNone)
{
	RecordingWindow* fixed =
	    MakeWindow("Stato della codifica", B_MODAL_APP_WINDOW_FEEL, BRect(600, 100, 899, 199));
	AddButton(fixed, BRect(10, 10, 110, 34), "Fine", kMsgSentinel);
	fixed->Show();
	ASSERT_TRUE(User().ClickCloseBox("Stato della codifica"));
	Sentinel("Stato della codifica");
	EXPECT_FALSE(log->IsDeleted()) << "a window without a close box stays";
	// Gone from the screen before the next close box is clicked: while a
	// modal window is shown, the screen drops the other windows' close
	// requests, and the hide and the next window's show reach it from two
	// windows' threads, in either order.
	ASSERT_TRUE(fixed->Lock());
	fixed->Hide();
	fixed->Sync();
	fixed->Unlock();

	auto closing = std::make_shared<MessageLog>();
	RecordingWindow* window = new RecordingWindow(closing, kTitle);
	window->Show();
	ASSERT_TRUE(User().ClickCloseBox(kTitle));
	EXPECT_TRUE(closing->WaitForDeleted()) << "the close box quits the window";
}

TEST_F(FltkControls, ViewsShowTheirColourAtTheirFrameInsideTheirParent)
{
	RecordingWindow* window = MakeWindow();
	BView* back = new BView(BRect(0, 0, 399, 299), "BackView", B_FOLLOW_ALL_SIDES, 0);
	back->SetViewColor(216, 216, 216);
	BView* outer = new BView(BRect(20, 20, 59, 59), "Outer", 0, 0);
	outer->SetViewColor(255, 0, 0);
	BView* inner = new BView(BRect(10, 10, 19, 19), "Inner", 0, 0);
	inner->SetViewColor(0, 0, 255);
	outer->AddChild(inner);
	back->AddChild(outer);
	window->AddChild(back);
	window->Show();

	EXPECT_EQ(User().ColorAt(kTitle, BPoint(10, 10)), "#D8D8D8");
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(20, 20)), "#FF0000") << "the outer view's corner";
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(59, 25)), "#FF0000") << "its right edge is inside";
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(60, 25)), "#D8D8D8") << "one right of its frame";
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(35, 35)), "#0000FF") << "the inner view, offset";

	{
		BAutolock lock(window);
		outer->MoveTo(100, 100);
	}
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(20, 20)), "#D8D8D8");
	EXPECT_EQ(User().ColorAt(kTitle, BPoint(115, 115)), "#0000FF") << "children move along";
}
