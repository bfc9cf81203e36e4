// The state of a window and of its views as the display shows it: plain data
// that a window's thread copies out of its views and hands to the display.
// The display never sees a view object, only these snapshots.
//
// Views, windows and menu items are known to the display by their tokens,
// from the one token space of the process (TokenSpace): unique, never reused,
// and 0 for none.
#ifndef DISPLAY_STATE_H
#define DISPLAY_STATE_H

#include <climits>
#include <string>
#include <vector>

#include <Font.h>
#include <GraphicsDefs.h>
#include <InterfaceDefs.h>
#include <Messenger.h>
#include <Rect.h>

namespace BPrivate {

enum class ViewKind {
	View,
	Button,
	CheckBox,
	TextControl,
	TextView,
	StringView,
	MenuBar,
	MenuField,
	TabView,
	ListView,
	ScrollView,
	StatusBar,
};

// One item of a menu; a separator has no label, a submenu has items.
struct MenuItemState {
	int32 token = 0;
	std::string label;
	bool separator = false;
	bool marked = false;
	bool enabled = true;
	bool hasSubmenu = false;
	std::vector<MenuItemState> items;
};

// Every field a view of any kind may have; kind tells which ones count.
struct ViewState {
	int32 token = 0;
	// The parent view's token; 0 for a view at the top of its window.
	int32 parent = 0;
	ViewKind kind = ViewKind::View;
	std::string name;
	// In the parent's coordinates (the window's for a top view).
	BRect frame;
	uint32 resizingMode = 0;
	uint32 flags = 0;
	rgb_color viewColor = {255, 255, 255, 255};
	// Tokens of the children, in order.
	std::vector<int32> children;

	// Controls: buttons, check boxes, text controls, menu fields; the
	// label of a status bar too.
	std::string label;
	int32 value = 0;
	bool enabled = true;
	// Where the label ends and the text or pop-up begins, in the view's
	// own coordinates.
	float divider = 0;

	// Text views and string views; the text of a status bar too. A text
	// view holds at most maxBytes bytes; the kits' views have no limit
	// until one is set.
	std::string text;
	int32 maxBytes = INT32_MAX;

	// List views: one text per row, and the selected rows in order.
	list_view_type listType = B_SINGLE_SELECTION_LIST;
	std::vector<std::string> rows;
	std::vector<int32> selection;

	// Menu bars and menu fields. A menu field shows menuLabel on its
	// pop-up.
	menu_layout layout = B_ITEMS_IN_COLUMN;
	std::vector<MenuItemState> menu;
	std::string menuLabel;

	// Tab views: per tab its label, its frame in the tab view and its page
	// (the token of the view it shows, a child of the tab view's container).
	std::vector<std::string> tabLabels;
	std::vector<BRect> tabFrames;
	std::vector<int32> tabPages;
	int32 selectedTab = -1;

	// Status bars: label and text at the left, trailingText and
	// trailingLabel at the right, above the bar, which fills the rest of
	// the frame and is filled to barValue of barMax.
	std::string trailingLabel;
	std::string trailingText;
	float barValue = 0;
	float barMax = 100;

	// Scroll views.
	bool horizontalBar = false;
	bool verticalBar = false;
	border_style border = B_FANCY_BORDER;
};

enum class WindowKind {
	Normal,
	Alert,
	FilePanel,
};

struct AlertState {
	std::string text;
	std::vector<std::string> buttons;
	// Per button, the key (a byte of a key-down) that presses it; 0 for
	// none.
	std::vector<char> shortcuts;
	alert_type type = B_INFO_ALERT;
	button_width buttonWidth = B_WIDTH_AS_USUAL;
};

// Node flavours as the tracker kit numbers them.
struct FilePanelState {
	bool save = false;
	std::string directory;
	uint32 nodeFlavors = 0;
	bool multipleSelection = false;
	std::string defaultButtonLabel;
	std::string cancelButtonLabel;
};

struct WindowState {
	int32 token = 0;
	WindowKind kind = WindowKind::Normal;
	std::string title;
	// On the screen.
	BRect frame;
	window_look look = B_TITLED_WINDOW_LOOK;
	window_feel feel = B_NORMAL_WINDOW_FEEL;
	uint32 flags = 0;
	bool shown = false;
	// Where the display posts this window's input.
	BMessenger target;
	// Tokens of the top views, in order.
	std::vector<int32> children;

	AlertState alert;
	FilePanelState panel;
};

// What changed in one window since its last update: the window itself
// (always complete), the views whose state changed (each complete) and the
// views that left the window.
struct WindowUpdate {
	WindowState window;
	std::vector<ViewState> views;
	std::vector<int32> removedViews;
};

} // namespace BPrivate

#endif // DISPLAY_STATE_H
