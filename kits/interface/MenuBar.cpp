#include <MenuBar.h>

#include <algorithm>
#include <cmath>

#include <MenuItem.h>
#include <Message.h>
#include <Window.h>

#include <Display.h>

using BPrivate::kMsgMenuItemChosen;
using BPrivate::ViewKind;
using BPrivate::ViewState;

BMenuBar::BMenuBar(BRect frame, const char* name, uint32 resizingMode, menu_layout layout,
                   bool resizeToFit)
    : BMenu(frame, name, resizingMode, B_WILL_DRAW | B_FRAME_EVENTS, layout, resizeToFit)
{
	SetOwner(this);
}

BMenuBar::~BMenuBar() = default;

void
BMenuBar::AttachedToWindow()
{
	if (!ResizesToFit())
		return;
	float width;
	float height;
	GetPreferredSize(&width, &height);
	if ((ResizingMode() & B_FOLLOW_LEFT_RIGHT) == B_FOLLOW_LEFT_RIGHT) {
		BRect parent = Parent() != nullptr ? Parent()->Bounds() : Window()->Bounds();
		width = parent.right - Frame().left;
	}
	ResizeTo(width, height);
}

void
BMenuBar::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	float line = std::ceil(font.ascent + font.descent);
	*width = 0;
	*height = 0;
	for (int32 index = 0; index < CountItems(); index++) {
		float itemWidth = std::ceil(StringWidth(ItemAt(index)->Label())) + 16;
		if (Layout() == B_ITEMS_IN_COLUMN) {
			*width = std::max(*width, itemWidth);
			*height += line + 7;
		} else {
			*width += itemWidth;
		}
	}
	if (Layout() != B_ITEMS_IN_COLUMN || CountItems() == 0)
		*height = line + 7;
}

void
BMenuBar::HandleDisplayInput(BMessage* input)
{
	int32 item;
	if (input->what == kMsgMenuItemChosen && input->FindInt32("be:item", &item) == B_OK)
		ChooseItem(item);
	else
		BMenu::HandleDisplayInput(input);
}

void
BMenuBar::FillState(ViewState* state) const
{
	BMenu::FillState(state);
	state->kind = ViewKind::MenuBar;
	state->layout = Layout();
	state->enabled = IsEnabled();
	FillItems(&state->menu);
}
