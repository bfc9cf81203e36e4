#include "FilesView.h"

#include <Button.h>
#include <FilePanel.h>
#include <ScrollView.h>
#include <Window.h>

#include "FilesList.h"
#include "window/Commands.h"

FilesView::FilesView(BRect frame, BButton* encodeButton, MainWindow* window)
    : BView(frame, "File", B_FOLLOW_NONE, 0)
{
	SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));

	// No target and no message: the chosen files reach the application as
	// B_REFS_RECEIVED. The main window sets the rest each time it shows it.
	addPanel = new BFilePanel(B_OPEN_PANEL, nullptr, nullptr, B_FILE_NODE, true, nullptr, nullptr,
	                          true, true);
	addPanel->Window()->SetTitle("Aggiungi file");
	addPanel->SetButtonLabel(B_DEFAULT_BUTTON, "Aggiungi");

	float right = Bounds().right;
	float bottom = Bounds().bottom;
	removeButton = _AddButton(BRect(right - 74, bottom - 24, right, bottom), "RemoveFiles",
	                          "Rimuovi", REMV, B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, false);
	addButton = _AddButton(BRect(right - 153, bottom - 24, right, bottom), "AddFiles",
	                       "Aggiungi...", ADDF, B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, true);
	moveUpButton = _AddButton(BRect(-1, bottom - 24, right, bottom), "MoveUp", "Sposta su", MVUP,
	                          B_FOLLOW_LEFT | B_FOLLOW_BOTTOM, false);
	float moveUpRight = moveUpButton->Frame().right;
	moveDownButton = _AddButton(BRect(moveUpRight + 5, bottom - 24, right, bottom), "MoveDown",
	                            "Sposta giù", MVDN, B_FOLLOW_LEFT | B_FOLLOW_BOTTOM, false);

	// Room for the scroll bar at the right and the buttons below.
	BRect listFrame = Bounds();
	listFrame.InsetBy(2, 2);
	listFrame.right -= 14;
	listFrame.bottom -= 29;
	filesList = new FilesList(listFrame, window);
	filesList->encodeButton = encodeButton;
	filesList->removeButton = removeButton;
	filesList->moveUpButton = moveUpButton;
	filesList->moveDownButton = moveDownButton;

	scrollView = new BScrollView("FilesScroll", filesList, B_FOLLOW_ALL_SIDES, B_WILL_DRAW, false,
	                             true, B_FANCY_BORDER);
	AddChild(scrollView);
}

FilesView::~FilesView() = default;

BButton*
FilesView::_AddButton(BRect frame, const char* name, const char* label, uint32 command,
                      uint32 resizingMode, bool enabled)
{
	BButton* button = new BButton(frame, name, label, new BMessage(command), resizingMode,
	                              B_WILL_DRAW | B_NAVIGABLE);
	button->ResizeToPreferred();
	button->SetEnabled(enabled);
	AddChild(button);
	return button;
}
