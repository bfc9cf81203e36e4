#include "TabView.h"

#include <Tab.h>

#include "app/OptionsView.h"
#include "encode/EncoderView.h"
#include "list/FilesView.h"

TabView::TabView(BRect frame, BButton* encodeButton, MainWindow* window)
    : BTabView(frame, "TabView", B_WIDTH_AS_USUAL, B_FOLLOW_ALL_SIDES,
               B_FULL_UPDATE_ON_RESIZE | B_WILL_DRAW | B_NAVIGABLE_JUMP | B_FRAME_EVENTS |
                   B_NAVIGABLE)
{
	// Every page gets the same rectangle, inside the frame below the tabs.
	BRect page = Bounds();
	page.InsetBy(10, 10);
	page.right -= 2;
	page.bottom -= TabHeight() + 3;

	filesView = new FilesView(page, encodeButton, window);
	AddTab(filesView, new BTab());
	encoderView = new EncoderView(page);
	AddTab(encoderView, new BTab());
	optionsView = new OptionsView(page);
	AddTab(optionsView, new BTab());
}

TabView::~TabView() = default;
