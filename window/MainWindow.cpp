#include "MainWindow.h"

#include <AppDefs.h>
#include <Application.h>
#include <Button.h>
#include <Entry.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuItem.h>
#include <Path.h>

#include "Commands.h"
#include "TabView.h"
#include "app/VFApp.h"
#include "encode/ProgressWindow.h"
#include "list/FilesList.h"
#include "list/FilesView.h"

static BMenuItem*
NewItem(const char* label, uint32 command)
{
	return new BMenuItem(label, new BMessage(command));
}

MainWindow::MainWindow(const entry_ref* ref)
    : BWindow(BRect(100, 100, 540, 380), "Vorlix OggVorbis Frontend 1.2a", B_TITLED_WINDOW,
              B_NOT_RESIZABLE | B_NOT_ZOOMABLE | B_ASYNCHRONOUS_CONTROLS, B_CURRENT_WORKSPACE),
      optionsBefore(), optionsAfter(), currentIndex(0), encoderTeam(-1), isEncoding(false)
{
	progressWindow = new ProgressWindow(this);
	progressWindow->Run();

	_BuildMenuBar();

	BRect backFrame = Bounds();
	backFrame.top = menuBar->Frame().bottom + 1;
	backView = new BView(backFrame, "BackView", B_FOLLOW_ALL_SIDES, 0);
	backView->SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));
	AddChild(backView);

	closeButton = _AddButton(0, "CloseButton", "Esci", CLOS);
	encodeButton = _AddButton(closeButton->Bounds().Width() + 4, "EncodeButton", "Codifica!", ENCD);
	encodeButton->SetEnabled(false);

	BRect tabFrame = backView->Bounds();
	tabFrame.InsetBy(5, 5);
	tabFrame.bottom -= 29;
	tabView = new TabView(tabFrame, encodeButton, this);
	backView->AddChild(tabView);
	tabView->SetTabWidth(B_WIDTH_FROM_WIDEST);

	filesList = tabView->filesView->filesList;

	if (ref != nullptr) {
		// Taken as a list file whatever its type; a path that cannot be
		// made fails to open like any unreadable file.
		BEntry entry(ref, true);
		BPath path;
		entry.GetPath(&path);
		filesList->Open(path.Path() != nullptr ? path.Path() : "");
	}
}

MainWindow::~MainWindow() = default;

void
MainWindow::MessageReceived(BMessage* message)
{
	switch (message->what) {
		default:
			BWindow::MessageReceived(message);
			break;
	}
}

bool
MainWindow::QuitRequested()
{
	static_cast<VFApp*>(be_app)->WriteOptions();
	be_app->PostMessage(B_QUIT_REQUESTED);
	return true;
}

void
MainWindow::_BuildMenuBar()
{
	menuBar = new BMenuBar(BRect(0, 0, 10, 10), "MenuBar", B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP,
	                       B_ITEMS_IN_ROW, true);

	BMenu* listMenu = new BMenu("Lista", B_ITEMS_IN_COLUMN);
	listMenu->AddItem(NewItem("Nuova", NWLS));
	listMenu->AddItem(NewItem("Salva...", SVLS));
	listMenu->AddItem(NewItem("Apri...", OPLS));
	listMenu->AddSeparatorItem();
	listMenu->AddItem(NewItem("Esci", CLOS));

	BMenu* helpMenu = new BMenu("?", B_ITEMS_IN_COLUMN);
	helpMenu->AddItem(NewItem("Leggimi", RDME));
	helpMenu->AddSeparatorItem();
	// The About box belongs to the application, whichever window is active.
	BMenuItem* about = NewItem("Informazioni su...", B_ABOUT_REQUESTED);
	about->SetTarget(be_app);
	helpMenu->AddItem(about);

	menuBar->AddItem(listMenu);
	menuBar->AddItem(helpMenu);
	AddChild(menuBar);
}

BButton*
MainWindow::_AddButton(float offset, const char* name, const char* label, uint32 command)
{
	BRect bounds = backView->Bounds();
	BRect frame(1, 1, 75, 25);
	frame.OffsetBy(bounds.right - 74 - 6 - offset, bounds.bottom - 24 - 6);
	BButton* button = new BButton(frame, name, label, new BMessage(command),
	                              B_FOLLOW_RIGHT | B_FOLLOW_BOTTOM, B_WILL_DRAW | B_NAVIGABLE);
	button->ResizeToPreferred();
	backView->AddChild(button);
	return button;
}
