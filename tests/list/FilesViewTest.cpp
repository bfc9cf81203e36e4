#include <Button.h>
#include <FilePanel.h>
#include <ScrollView.h>

#include <string>
#include <vector>

#include "list/FilesList.h"
#include "list/FilesView.h"
#include "tests/support/MainWindowFixture.h"
#include "window/Commands.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

using BPrivate::FixedFont;
using BPrivate::ViewState;
using BPrivate::WindowKind;
using BPrivate::WindowState;

namespace {

class FilesViewTest : public MainWindowFixture, public testing::WithParamInterface<FixedFont> {
protected:
	FilesView*
	view()
	{
		return window->tabView->filesView;
	}
};

} // namespace

TEST_F(FilesViewTest, OnlyAggiungiStartsEnabled)
{
	Start();
	const struct {
		const char* name;
		const char* label;
		uint32 command;
		uint32 resizingMode;
		bool enabled;
	} buttons[] = {
	    {"RemoveFiles", "Rimuovi", REMV, B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, false},
	    {"AddFiles", "Aggiungi...", ADDF, B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, true},
	    {"MoveUp", "Sposta su", MVUP, B_FOLLOW_LEFT | B_FOLLOW_BOTTOM, false},
	    {"MoveDown", "Sposta giù", MVDN, B_FOLLOW_LEFT | B_FOLLOW_BOTTOM, false},
	};
	for (const auto& expected : buttons) {
		ViewState button = user.View(kTitle, expected.name);
		EXPECT_EQ(button.label, expected.label);
		EXPECT_EQ(button.enabled, expected.enabled) << expected.name;
		EXPECT_EQ(button.resizingMode, expected.resizingMode) << expected.name;
		EXPECT_EQ(button.flags, (uint32)(B_WILL_DRAW | B_NAVIGABLE)) << expected.name;
	}

	Locked([&] {
		std::vector<std::string> names;
		for (int32 index = 0; index < view()->CountChildren(); index++)
			names.push_back(view()->ChildAt(index)->Name());
		EXPECT_EQ(names, (std::vector<std::string>{"RemoveFiles", "AddFiles", "MoveUp", "MoveDown",
		                                           "FilesScroll"}));
		BButton* fields[] = {view()->removeButton, view()->addButton, view()->moveUpButton,
		                     view()->moveDownButton};
		for (size_t index = 0; index < 4; index++) {
			EXPECT_EQ(fields[index], view()->ChildAt(index));
			EXPECT_EQ(fields[index]->Command(), buttons[index].command) << buttons[index].name;
		}
		FilesList* list = view()->filesList;
		EXPECT_EQ(list, window->filesList);
		EXPECT_EQ(view()->scrollView->Target(), list);
		EXPECT_EQ(list->encodeButton, window->encodeButton);
		EXPECT_EQ(list->removeButton, view()->removeButton);
		EXPECT_EQ(list->moveUpButton, view()->moveUpButton);
		EXPECT_EQ(list->moveDownButton, view()->moveDownButton);
		EXPECT_EQ(list->mainWindow, window);
		EXPECT_EQ(list->Message(), nullptr) << "selecting sends nothing";
	});

	ViewState scroll = user.View(kTitle, "FilesScroll");
	EXPECT_EQ(scroll.resizingMode, (uint32)B_FOLLOW_ALL_SIDES);
	EXPECT_EQ(scroll.flags, (uint32)B_WILL_DRAW);
	EXPECT_FALSE(scroll.horizontalBar);
	EXPECT_TRUE(scroll.verticalBar);
	EXPECT_EQ(scroll.border, B_FANCY_BORDER);
	ViewState list = user.View(kTitle, "FilesList");
	EXPECT_EQ(list.listType, B_MULTIPLE_SELECTION_LIST);
	EXPECT_EQ(list.resizingMode, (uint32)B_FOLLOW_ALL_SIDES);
	EXPECT_EQ(list.flags, (uint32)(B_WILL_DRAW | B_FRAME_EVENTS | B_NAVIGABLE));
	EXPECT_TRUE(list.rows.empty());
}

TEST_F(FilesViewTest, PanelsAreHiddenWithTheirTitlesAndLabels)
{
	Start();
	const struct {
		const char* title;
		bool save;
		bool multiple;
		const char* defaultLabel;
	} panels[] = {
	    {"Aggiungi file", false, true, "Aggiungi"},
	    {"Salva lista", true, false, "Salve"},
	    {"Apri lista", false, false, "Apri"},
	};
	for (const auto& expected : panels) {
		WindowState panel = user.Window(expected.title);
		EXPECT_EQ(panel.kind, WindowKind::FilePanel) << expected.title;
		EXPECT_FALSE(panel.shown) << expected.title;
		EXPECT_EQ(panel.feel, B_MODAL_APP_WINDOW_FEEL) << expected.title;
		EXPECT_EQ(panel.panel.save, expected.save) << expected.title;
		EXPECT_EQ(panel.panel.multipleSelection, expected.multiple) << expected.title;
		EXPECT_EQ(panel.panel.nodeFlavors, (uint32)B_FILE_NODE) << expected.title;
		EXPECT_EQ(panel.panel.defaultButtonLabel, expected.defaultLabel) << expected.title;
	}
	EXPECT_EQ(user.Window("Salva lista").panel.cancelButtonLabel, "Annulla");
	EXPECT_EQ(user.Window("Apri lista").panel.cancelButtonLabel, "Annulla");
	Locked([&] {
		EXPECT_FALSE(view()->addPanel->Messenger().IsValid()) << "replies go to the application";
		EXPECT_TRUE(view()->addPanel->HidesWhenDone());
	});

	Locked([&] { window->filesList->ShowOpen(); });
	EXPECT_TRUE(user.IsShown("Apri lista"));
	ASSERT_TRUE(user.CancelPanel("Apri lista"));
	Locked([&] { window->filesList->ShowSave(); });
	EXPECT_TRUE(user.IsShown("Salva lista"));
	ASSERT_TRUE(user.CancelPanel("Salva lista"));
}

TEST_P(FilesViewTest, ButtonsHugTheBottomEdgesWhateverTheFont)
{
	display.SetFont(GetParam());
	Start();
	BRect bounds = user.View(kTitle, "File").frame.OffsetToCopy(0, 0);
	float right = bounds.right;
	float bottom = bounds.bottom;
	EXPECT_EQ(user.View(kTitle, "RemoveFiles").frame,
	          PreferredFrame<BButton>(right - 74, bottom - 24, "Rimuovi"));
	EXPECT_EQ(user.View(kTitle, "AddFiles").frame,
	          PreferredFrame<BButton>(right - 153, bottom - 24, "Aggiungi..."));
	BRect moveUp = user.View(kTitle, "MoveUp").frame;
	EXPECT_EQ(moveUp, PreferredFrame<BButton>(-1, bottom - 24, "Sposta su"));
	EXPECT_EQ(user.View(kTitle, "MoveDown").frame,
	          PreferredFrame<BButton>(moveUp.right + 5, bottom - 24, "Sposta giù"));

	BRect page = user.FrameInWindow(kTitle, "File");
	BRect list = user.FrameInWindow(kTitle, "FilesList");
	list.OffsetBy(-page.left, -page.top);
	EXPECT_EQ(list, BRect(2, 2, right - 16, bottom - 31));
}

INSTANTIATE_TEST_SUITE_P(Fonts, FilesViewTest,
                         testing::Values(FixedFont::Reference(), MainWindowFixture::kLargeFont));
