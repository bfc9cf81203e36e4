// Constants of the interface kit, with their BeOS values: resizing modes,
// view flags, window types, looks, feels and flags, control values,
// alignment, widths, alert types, menu layouts, borders and list types.
#ifndef _INTERFACE_DEFS_H
#define _INTERFACE_DEFS_H

#include <GraphicsDefs.h>
#include <SupportDefs.h>

// A resizing mode says, for each edge of a view, which edge of its parent it
// keeps its distance to: four nibbles for top, left, bottom and right.
enum {
	_VIEW_TOP_ = 1,
	_VIEW_LEFT_ = 2,
	_VIEW_BOTTOM_ = 3,
	_VIEW_RIGHT_ = 4,
	_VIEW_CENTER_ = 5,
};

#define _rule_(top, left, bottom, right) (((top) << 12) | ((left) << 8) | ((bottom) << 4) | (right))

enum : uint32 {
	B_FOLLOW_NONE = 0,
	B_FOLLOW_ALL_SIDES = _rule_(_VIEW_TOP_, _VIEW_LEFT_, _VIEW_BOTTOM_, _VIEW_RIGHT_),
	B_FOLLOW_ALL = B_FOLLOW_ALL_SIDES,
	B_FOLLOW_LEFT = _rule_(0, _VIEW_LEFT_, 0, _VIEW_LEFT_),
	B_FOLLOW_RIGHT = _rule_(0, _VIEW_RIGHT_, 0, _VIEW_RIGHT_),
	B_FOLLOW_LEFT_RIGHT = _rule_(0, _VIEW_LEFT_, 0, _VIEW_RIGHT_),
	B_FOLLOW_H_CENTER = _rule_(0, _VIEW_CENTER_, 0, _VIEW_CENTER_),
	B_FOLLOW_TOP = _rule_(_VIEW_TOP_, 0, _VIEW_TOP_, 0),
	B_FOLLOW_BOTTOM = _rule_(_VIEW_BOTTOM_, 0, _VIEW_BOTTOM_, 0),
	B_FOLLOW_TOP_BOTTOM = _rule_(_VIEW_TOP_, 0, _VIEW_BOTTOM_, 0),
	B_FOLLOW_V_CENTER = _rule_(_VIEW_CENTER_, 0, _VIEW_CENTER_, 0),
};

// View flags.
enum : uint32 {
	B_FULL_UPDATE_ON_RESIZE = 0x80000000,
	B_WILL_DRAW = 0x20000000,
	B_PULSE_NEEDED = 0x10000000,
	B_NAVIGABLE_JUMP = 0x08000000,
	B_FRAME_EVENTS = 0x04000000,
	B_NAVIGABLE = 0x02000000,
	B_SUBPIXEL_PRECISE = 0x01000000,
	B_DRAW_ON_CHILDREN = 0x00800000,
	B_INPUT_METHOD_AWARE = 0x00400000,
};

enum window_type {
	B_UNTYPED_WINDOW = 0,
	B_TITLED_WINDOW = 1,
	B_MODAL_WINDOW = 3,
	B_DOCUMENT_WINDOW = 11,
	B_BORDERED_WINDOW = 20,
	B_FLOATING_WINDOW = 21,
};

enum window_look {
	B_BORDERED_WINDOW_LOOK = 20,
	B_NO_BORDER_WINDOW_LOOK = 19,
	B_TITLED_WINDOW_LOOK = 1,
	B_DOCUMENT_WINDOW_LOOK = 11,
	B_MODAL_WINDOW_LOOK = 3,
	B_FLOATING_WINDOW_LOOK = 7,
};

enum window_feel {
	B_NORMAL_WINDOW_FEEL = 0,
	B_MODAL_SUBSET_WINDOW_FEEL = 2,
	B_MODAL_APP_WINDOW_FEEL = 1,
	B_MODAL_ALL_WINDOW_FEEL = 3,
	B_FLOATING_SUBSET_WINDOW_FEEL = 5,
	B_FLOATING_APP_WINDOW_FEEL = 4,
	B_FLOATING_ALL_WINDOW_FEEL = 6,
};

// Window flags.
enum : uint32 {
	B_NOT_MOVABLE = 0x00000001,
	B_NOT_RESIZABLE = 0x00000002,
	B_NOT_H_RESIZABLE = 0x00000004,
	B_NOT_V_RESIZABLE = 0x00000008,
	B_WILL_ACCEPT_FIRST_CLICK = 0x00000010,
	B_NOT_CLOSABLE = 0x00000020,
	B_NOT_ZOOMABLE = 0x00000040,
	B_AVOID_FRONT = 0x00000080,
	B_NO_WORKSPACE_ACTIVATION = 0x00000100,
	B_OUTLINE_RESIZE = 0x00001000,
	B_AVOID_FOCUS = 0x00002000,
	B_NOT_MINIMIZABLE = 0x00004000,
	B_NOT_ANCHORED_ON_ACTIVATE = 0x00020000,
	B_ASYNCHRONOUS_CONTROLS = 0x00080000,
	B_QUIT_ON_WINDOW_CLOSE = 0x00100000,
};

enum : uint32 {
	B_CURRENT_WORKSPACE = 0,
	B_ALL_WORKSPACES = 0xffffffff,
};

enum {
	B_CONTROL_OFF = 0,
	B_CONTROL_ON = 1,
};

enum alignment {
	B_ALIGN_LEFT,
	B_ALIGN_RIGHT,
	B_ALIGN_CENTER,
};

// The width of alert buttons and of tabs.
enum button_width {
	B_WIDTH_AS_USUAL,
	B_WIDTH_FIXED,
	B_WIDTH_FROM_WIDEST,
	B_WIDTH_FROM_LABEL,
};

enum alert_type {
	B_EMPTY_ALERT = 0,
	B_INFO_ALERT,
	B_IDEA_ALERT,
	B_WARNING_ALERT,
	B_STOP_ALERT,
};

enum menu_layout {
	B_ITEMS_IN_ROW = 0,
	B_ITEMS_IN_COLUMN,
	B_ITEMS_IN_MATRIX,
};

enum border_style {
	B_PLAIN_BORDER,
	B_FANCY_BORDER,
	B_NO_BORDER,
};

enum list_view_type {
	B_SINGLE_SELECTION_LIST,
	B_MULTIPLE_SELECTION_LIST,
};

enum orientation {
	B_HORIZONTAL,
	B_VERTICAL,
};

// Keys as a key-down message's bytes name those that are no characters.
enum {
	B_BACKSPACE = 0x08,
	B_RETURN = 0x0a,
	B_TAB = 0x09,
	B_ESCAPE = 0x1b,
	B_LEFT_ARROW = 0x1c,
	B_RIGHT_ARROW = 0x1d,
	B_UP_ARROW = 0x1e,
	B_DOWN_ARROW = 0x1f,
	B_INSERT = 0x05,
	B_DELETE = 0x7f,
	B_HOME = 0x01,
	B_END = 0x04,
	B_PAGE_UP = 0x0b,
	B_PAGE_DOWN = 0x0c,
};

// The modifier keys held down with a key.
enum : uint32 {
	B_SHIFT_KEY = 0x00000001,
	B_COMMAND_KEY = 0x00000002,
	B_CONTROL_KEY = 0x00000004,
};

// The program builds its windows and views from these combinations; their
// numeric values are part of the API.
static_assert(B_FOLLOW_ALL_SIDES == 0x1234u);
static_assert((B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP) == 0x1214u);
static_assert((B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM) == 0x3434u);
static_assert((B_FOLLOW_LEFT | B_FOLLOW_TOP) == 0x1212u);
static_assert((B_FULL_UPDATE_ON_RESIZE | B_WILL_DRAW | B_NAVIGABLE_JUMP | B_FRAME_EVENTS |
               B_NAVIGABLE) == 0xAE000000u);
static_assert((B_WILL_DRAW | B_NAVIGABLE) == 0x22000000u);
static_assert((B_NOT_RESIZABLE | B_NOT_CLOSABLE | B_NOT_ZOOMABLE | B_NOT_MINIMIZABLE |
               B_ASYNCHRONOUS_CONTROLS) == 0x84062u);
static_assert((B_NOT_RESIZABLE | B_NOT_ZOOMABLE | B_ASYNCHRONOUS_CONTROLS) == 0x00080042u);
static_assert(B_FLOATING_WINDOW_LOOK == 7);
static_assert(B_MODAL_APP_WINDOW_FEEL == 1);
static_assert(B_CMAP8 == 4);
static_assert(B_STOP_ALERT == 4);
static_assert(B_WIDTH_FROM_WIDEST == 2);
static_assert(B_DELETE == 0x7f && B_ESCAPE == 0x1b);

#define B_V_SCROLL_BAR_WIDTH 14.0f
#define B_H_SCROLL_BAR_HEIGHT 14.0f

#endif // _INTERFACE_DEFS_H
