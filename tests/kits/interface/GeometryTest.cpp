#include <Button.h>
#include <CheckBox.h>
#include <ListView.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <ScrollView.h>
#include <StringView.h>
#include <TabView.h>
#include <TextControl.h>
#include <TextView.h>
#include <Window.h>

#include <cmath>

#include "tests/support/HeadlessFixture.h"
#include <FixedFont.h>

using BPrivate::FixedFont;
using BPrivate::ViewState;

namespace {

// A font unlike the reference one in every measure.
const FixedFont kLargeFont = {{14, 4, 3}, 9};

struct Size {
	float width;
	float height;
	bool operator==(const Size&) const = default;
};

std::ostream&
operator<<(std::ostream& out, const Size& size)
{
	return out << size.width << " x " << size.height;
}

Size
PreferredSize(BView* view)
{
	Size size;
	view->GetPreferredSize(&size.width, &size.height);
	return size;
}

class Geometry : public HeadlessFixture {
protected:
	BWindow*
	NewWindow(BRect frame = BRect(100, 100, 540, 380))
	{
		return new BWindow(frame, "Geometria", B_TITLED_WINDOW, B_NOT_RESIZABLE);
	}
};

} // namespace

// The sizes that the documented measures give, for the reference font and
// for one unlike it in every measure.
TEST_F(Geometry, PreferredSizesFollowTheFont)
{
	struct Expected {
		FixedFont font;
		Size shortButton;
		Size longButton;
		Size checkBox;
		Size caption;
		Size textControl;
		float tabHeight;
		Size menuBar;
	};
	for (const Expected& expected :
	     {Expected{FixedFont::Reference(),
	               {74, 24},
	               {152, 24},
	               {46, 20},
	               {162, 14},
	               {300, 18},
	               20,
	               {68, 19}},
	      Expected{
	          kLargeFont, {74, 30}, {218, 30}, {58, 27}, {243, 21}, {300, 25}, 26, {86, 25}}}) {
		display.SetFont(expected.font);
		BButton shortButton(BRect(0, 0, 1, 1), "Esci", "Esci", nullptr);
		BButton longButton(BRect(0, 0, 1, 1), "MIME", "Installa tipo MIME ora", nullptr);
		BCheckBox box(BRect(0, 0, 1, 1), "Box", "Auto", nullptr);
		BStringView caption(BRect(0, 0, 1, 1), "Caption", "Codifica in corso del file:");
		BTextControl field(BRect(0, 0, 300, 1), "Field", "Altri parametri:", "", nullptr);
		BTabView tabs(BRect(0, 0, 300, 200), "Tabs");
		BMenuBar bar(BRect(0, 0, 10, 10), "Bar");
		bar.AddItem(new BMenu("Lista"));
		bar.AddItem(new BMenu("?"));

		EXPECT_EQ(PreferredSize(&shortButton), expected.shortButton);
		EXPECT_EQ(PreferredSize(&longButton), expected.longButton);
		EXPECT_EQ(PreferredSize(&box), expected.checkBox);
		EXPECT_EQ(PreferredSize(&caption), expected.caption);
		EXPECT_EQ(PreferredSize(&field), expected.textControl);
		EXPECT_EQ(field.Frame(), BRect(0, 0, 300, expected.textControl.height));
		EXPECT_EQ(tabs.TabHeight(), expected.tabHeight);
		EXPECT_EQ(tabs.ContainerView()->Frame(), BRect(0, expected.tabHeight, 300, 200));
		EXPECT_EQ(PreferredSize(&bar), expected.menuBar);
	}
}

TEST_F(Geometry, ResizeToPreferredKeepsTheLeftTopCorner)
{
	for (const FixedFont& font : {FixedFont::Reference(), kLargeFont}) {
		display.SetFont(font);
		BButton button(BRect(283, 231, 357, 255), "Encode", "Codifica!", nullptr);
		Size size = PreferredSize(&button);
		button.ResizeToPreferred();
		EXPECT_EQ(button.Frame(), BRect(283, 231, 283 + size.width, 231 + size.height));

		BStringView caption(BRect(5, 5, 335, 6), "NowEncoding", "Codifica in corso del file:");
		size = PreferredSize(&caption);
		caption.ResizeToPreferred();
		EXPECT_EQ(caption.Frame(), BRect(5, 5, 5 + size.width, 5 + size.height));
	}
}

TEST_F(Geometry, ChildrenFollowTheirParentAsTheirResizingModesSay)
{
	BView parent(BRect(0, 0, 100, 100), "parent", B_FOLLOW_NONE, 0);
	BView* none = new BView(BRect(10, 10, 20, 20), "none", B_FOLLOW_NONE, 0);
	BView* all = new BView(BRect(10, 10, 90, 90), "all", B_FOLLOW_ALL_SIDES, 0);
	BView* rightBottom =
	    new BView(BRect(80, 80, 90, 90), "rightBottom", B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, 0);
	BView* leftRight =
	    new BView(BRect(10, 0, 90, 10), "leftRight", B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP, 0);
	BView* centered =
	    new BView(BRect(40, 40, 60, 60), "centered", B_FOLLOW_H_CENTER | B_FOLLOW_V_CENTER, 0);
	for (BView* child : {none, all, rightBottom, leftRight, centered})
		parent.AddChild(child);
	BView* grandchild = new BView(BRect(0, 0, 80, 80), "grandchild", B_FOLLOW_ALL_SIDES, 0);
	all->AddChild(grandchild);

	parent.ResizeBy(20, 10);

	EXPECT_EQ(parent.Frame(), BRect(0, 0, 120, 110));
	EXPECT_EQ(none->Frame(), BRect(10, 10, 20, 20));
	EXPECT_EQ(all->Frame(), BRect(10, 10, 110, 100));
	EXPECT_EQ(grandchild->Frame(), BRect(0, 0, 100, 90));
	EXPECT_EQ(rightBottom->Frame(), BRect(100, 90, 110, 100));
	EXPECT_EQ(leftRight->Frame(), BRect(10, 0, 110, 10));
	EXPECT_EQ(centered->Frame(), BRect(50, 45, 70, 65));
}

TEST_F(Geometry, WindowResizeCarriesItsViewsAndFrameIsOnTheScreen)
{
	BWindow* window = NewWindow(BRect(0, 0, 1, 1));
	BView* back = new BView(window->Bounds(), "BackView", B_FOLLOW_ALL, 0);
	window->AddChild(back);
	window->ResizeTo(340, 88);
	window->MoveTo(150, 150);

	EXPECT_EQ(window->Frame(), BRect(150, 150, 490, 238));
	EXPECT_EQ(window->Bounds(), BRect(0, 0, 340, 88));
	EXPECT_EQ(back->Frame(), BRect(0, 0, 340, 88));
	window->Show();
	EXPECT_EQ(user.Window("Geometria").frame, BRect(150, 150, 490, 238));
	EXPECT_EQ(user.View("Geometria", "BackView").frame, BRect(0, 0, 340, 88));
}

TEST_F(Geometry, MenuBarSpansItsWindowAtItsPreferredHeight)
{
	for (const FixedFont& font : {FixedFont::Reference(), kLargeFont}) {
		display.SetFont(font);
		BWindow* window = NewWindow();
		BMenuBar* bar = new BMenuBar(BRect(0, 0, 10, 10), "MenuBar");
		bar->AddItem(new BMenu("Lista"));
		float height = std::ceil(font.height.ascent + font.height.descent) + 7;
		window->AddChild(bar);
		EXPECT_EQ(bar->Frame(), BRect(0, 0, 440, height));
		window->Lock();
		window->Quit();
	}
}

TEST_F(Geometry, ScrollViewSurroundsItsTargetWithBorderAndBar)
{
	BWindow* window = NewWindow();
	BView* tab = new BView(BRect(10, 10, 418, 188), "File", B_FOLLOW_NONE, 0);
	window->AddChild(tab);
	float w = 408;
	float h = 178;
	BListView* list = new BListView(BRect(2, 2, w - 16, h - 31), "FilesList",
	                                B_MULTIPLE_SELECTION_LIST, B_FOLLOW_ALL_SIDES);
	BScrollView* scroll = new BScrollView("FilesScroll", list, B_FOLLOW_ALL_SIDES, B_WILL_DRAW,
	                                      false, true, B_FANCY_BORDER);
	tab->AddChild(scroll);

	EXPECT_EQ(scroll->Frame(), BRect(0, 0, w, h - 29));
	EXPECT_EQ(list->Frame(), BRect(2, 2, w - 16 + 2 - 2, h - 31));
	EXPECT_EQ(list->Parent(), scroll);
	window->Show();
	EXPECT_EQ(user.FrameInWindow("Geometria", "FilesList"),
	          BRect(12, 12, 12 + w - 18, 12 + h - 33));
	ViewState scrollState = user.View("Geometria", "FilesScroll");
	EXPECT_TRUE(scrollState.verticalBar);
	EXPECT_FALSE(scrollState.horizontalBar);
}

TEST_F(Geometry, TextControlDividerMovesItsField)
{
	BTextControl field(BRect(0, 26, 400, 27), "ExtraParam", "Altri parametri:", "", nullptr);
	BTextView* input = field.TextView();
	EXPECT_EQ(field.Divider(), 200);
	EXPECT_EQ(input->Frame(), BRect(202, 2, 398, 16));

	field.ResizeToPreferred();
	field.SetDivider(115);
	EXPECT_EQ(input->Frame(), BRect(117, 2, 398, 16));
	field.ResizeTo(380, field.Bounds().Height());
	EXPECT_EQ(input->Frame(), BRect(117, 2, 378, 16));
	input->ResizeTo(400 - 124, input->Bounds().Height());
	EXPECT_EQ(input->Frame(), BRect(117, 2, 393, 16));
}

TEST_F(Geometry, TabWidthsFollowTheWidthStyle)
{
	BTabView tabs(BRect(0, 0, 430, 221), "TabView");
	tabs.AddTab(new BView(BRect(10, 10, 418, 188), "File", B_FOLLOW_NONE, 0));
	tabs.AddTab(new BView(BRect(10, 10, 418, 188), "Opzioni di Oggenc", B_FOLLOW_NONE, 0));
	tabs.AddTab(new BView(BRect(10, 10, 418, 188), "Opzioni del programma", B_FOLLOW_NONE, 0));

	EXPECT_EQ(tabs.TabFrame(1), BRect(106, 0, 206, 20));
	tabs.SetTabWidth(B_WIDTH_FROM_WIDEST);
	float widest = 21 * 6 + 20;
	for (int32 index = 0; index < 3; index++) {
		EXPECT_EQ(tabs.TabFrame(index), BRect(6 + index * widest, 0, 6 + (index + 1) * widest, 20))
		    << index;
	}
	tabs.SetTabWidth(B_WIDTH_FROM_LABEL);
	EXPECT_EQ(tabs.TabFrame(1), BRect(6 + 44, 0, 6 + 44 + 122, 20));
}

TEST_F(Geometry, FindViewSearchesTheWholeTree)
{
	BWindow* window = NewWindow();
	BView* back = new BView(window->Bounds(), "BackView", B_FOLLOW_ALL, 0);
	BView* middle = new BView(BRect(0, 0, 50, 50), "middle", B_FOLLOW_NONE, 0);
	BView* deep = new BView(BRect(0, 0, 5, 5), "deep", B_FOLLOW_NONE, 0);
	middle->AddChild(deep);
	back->AddChild(middle);
	window->AddChild(back);

	EXPECT_EQ(window->FindView("deep"), deep);
	EXPECT_EQ(back->FindView("deep"), deep);
	EXPECT_EQ(window->FindView("nothing"), nullptr);
	EXPECT_EQ(window->ChildAt(0), back);
	EXPECT_EQ(back->Parent(), nullptr);
	EXPECT_EQ(deep->Parent(), middle);
	EXPECT_EQ(deep->Window(), window);

	EXPECT_TRUE(back->RemoveChild(middle));
	EXPECT_EQ(window->FindView("deep"), nullptr);
	EXPECT_EQ(deep->Window(), nullptr);
	EXPECT_FALSE(back->RemoveChild(middle));
	delete middle;
}
