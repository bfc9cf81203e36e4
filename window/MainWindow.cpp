#include "MainWindow.h"

#include <AppDefs.h>
#include <Application.h>
#include <Button.h>
#include <CheckBox.h>
#include <Entry.h>
#include <File.h>
#include <FilePanel.h>
#include <ListItem.h>
#include <Menu.h>
#include <MenuBar.h>
#include <MenuItem.h>
#include <NodeInfo.h>
#include <Path.h>
#include <Roster.h>
#include <StorageDefs.h>
#include <StringView.h>
#include <TextControl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <Version.h>

#include "Alerts.h"
#include "Commands.h"
#include "EntryPath.h"
#include "TabView.h"
#include "app/OptionsView.h"
#include "app/VFApp.h"
#include "encode/EncoderView.h"
#include "encode/ProgressWindow.h"
#include "encode/VorlixLaunch.h"
#include "list/FilesList.h"
#include "list/FilesView.h"
#include "list/ListFile.h"

static const char* const kEncoderMissingFormat =
    "%s non trovato. Assicuratevi che il campo \"%s\" nel pannello \"Opzioni programma\" "
    "punti direttamente a %s o ad un suo symlink (non alla cartella in cui si trova).";
static const char* const kLaunchFailedFormat =
    "È avvenuto un errore cercando di lanciare %s. Assicuratevi che %s si trovi dove "
    "dovrebbe essere e non sia in uso e riprovate.";

static VFApp*
App()
{
	return static_cast<VFApp*>(be_app);
}

static std::string
Format(const char* format, ...)
{
	va_list arguments;
	va_start(arguments, format);
	va_list again;
	va_copy(again, arguments);
	int length = vsnprintf(nullptr, 0, format, arguments);
	va_end(arguments);
	std::string text(length > 0 ? length : 0, '\0');
	vsnprintf(text.data(), text.size() + 1, format, again);
	va_end(again);
	return text;
}

static bool
IsOn(const BCheckBox* box)
{
	return box->Value() == B_CONTROL_ON;
}

static BMenuItem*
NewItem(const char* label, uint32 command)
{
	return new BMenuItem(label, new BMessage(command));
}

MainWindow::MainWindow(const entry_ref* ref)
    : BWindow(BRect(100, 100, 540, 380), "Vorlix OggVorbis Frontend " VF_VERSION, B_TITLED_WINDOW,
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
		std::string path;
		EntryPath::Of(*ref, true, &path);
		filesList->Open(path.c_str());
	}
}

MainWindow::~MainWindow() = default;

void
MainWindow::MessageReceived(BMessage* message)
{
	OptionsView* options = tabView->optionsView;
	switch (message->what) {
		case NWLS:
			filesList->Clear();
			break;
		case SVLS:
			filesList->ShowSave();
			break;
		case OPLS:
			filesList->ShowOpen();
			break;
		case REMV:
			filesList->RemoveFiles();
			break;
		case MVUP:
			filesList->MoveUp();
			break;
		case MVDN:
			filesList->MoveDown();
			break;
		case ADDF:
			_ShowAddPanel();
			break;
		case LOCG:
			options->encoderPanel->Show();
			break;
		case LOCM:
			_StoreEncoderLocation();
			break;
		case LOGP:
			_EncoderChosen(message);
			break;
		case OLPM:
			_ListChosen(message);
			break;
		case SLPM:
			_SaveChosen(message);
			break;
		case RDME:
			_OpenReadme();
			break;
		case RMTN:
			App()->RegisterMIMEType(true);
			break;
		case UMTN:
			App()->UnregisterMIMEType();
			break;
		case CLOS:
			be_app->PostMessage(B_QUIT_REQUESTED);
			break;
		case DCOA:
			App()->dontCloseOnAdd = IsOn(options->dontCloseOnAddBox);
			break;
		case DCOO:
			App()->dontClearOnOpen = IsOn(options->dontClearOnOpenBox);
			break;
		case SRMT:
			App()->selfRegisterMimeType = IsOn(options->selfRegisterMimeTypeBox);
			break;
		case ENCD:
			_StartRun();
			break;
		case SKIP:
			_SkipFile();
			break;
		case STOP:
			_StopRun();
			break;
		default:
			BWindow::MessageReceived(message);
			break;
	}
}

void
MainWindow::RefsReceived(BMessage* message)
{
	// The files go in together: one by one, thousands of them would cost a
	// pass over the list each.
	std::vector<std::string> paths;
	entry_ref ref;
	std::string path;
	for (int32 i = 0; message->FindRef("refs", i, &ref) == B_OK; i++) {
		if (!EntryPath::Of(ref, true, &path))
			continue;
		// A folder or a file without a type has the empty type.
		char type[B_MIME_TYPE_LENGTH] = "";
		BFile file(path.c_str(), B_READ_ONLY);
		BNodeInfo info(&file);
		info.GetType(type);
		if (strcmp(type, ListFile::kType) == 0) {
			// The files after a list file in the same message are ignored.
			filesList->AddFiles(paths);
			filesList->Open(path.c_str());
			return;
		}
		paths.push_back(path);
	}
	filesList->AddFiles(paths);
}

void
MainWindow::EncodeNext()
{
	if (currentIndex >= filesList->CountItems()) {
		_EndRun();
		return;
	}

	const char* path = static_cast<BStringItem*>(filesList->ItemAt(currentIndex))->Text();
	// The progress window shows the path as the encoder's command line would
	// quote it; the path itself reaches the encoder whole, as one argument.
	std::string fileText = path;
	if (fileText.find(' ') != std::string::npos)
		fileText = "\"" + fileText + "\"";
	std::string numberText =
	    Format("File %d di %d", (int)currentIndex + 1, (int)filesList->CountItems());

	if (progressWindow->Lock()) {
		progressWindow->fileNameView->SetText(fileText.c_str());
		progressWindow->fileNumberView->SetText(numberText.c_str());
		_SetProgressButtons(true);
		progressWindow->Unlock();
	}

	if (VorlixLaunchWithPath(&encoderRef, optionsBefore, path, optionsAfter, &encoderTeam) !=
	    B_OK) {
		Alerts::Show("LaunchFailed", Format(kLaunchFailedFormat, "Oggenc", "Oggenc").c_str());
		_EndRun();
		return;
	}
	currentIndex++;
}

void
MainWindow::_ShowAddPanel()
{
	bool keepOpen = App()->dontCloseOnAdd;
	BFilePanel* panel = tabView->filesView->addPanel;
	panel->SetHideWhenDone(!keepOpen);
	panel->SetButtonLabel(B_CANCEL_BUTTON, keepOpen ? "Chiudi" : "Annulla");
	panel->Show();
}

void
MainWindow::_StoreEncoderLocation()
{
	// The field takes 1024 bytes; the setting holds 1023 and the end.
	const char* text = tabView->optionsView->encoderLocationControl->Text();
	size_t length = strnlen(text, B_PATH_NAME_LENGTH - 1);
	memcpy(App()->encoderLocation, text, length);
	App()->encoderLocation[length] = '\0';
}

void
MainWindow::_EncoderChosen(BMessage* message)
{
	entry_ref ref;
	if (message->FindRef("refs", 0, &ref) != B_OK)
		return;
	// A chosen link stays the link's own path.
	std::string path;
	if (!EntryPath::Of(ref, false, &path))
		return;
	if (Lock()) {
		// The field reports the change with LOCM, which stores it.
		tabView->optionsView->encoderLocationControl->SetText(path.c_str());
		Unlock();
	}
}

void
MainWindow::_ListChosen(BMessage* message)
{
	entry_ref ref;
	if (message->FindRef("refs", 0, &ref) != B_OK)
		return;
	std::string path;
	if (EntryPath::Of(ref, true, &path))
		filesList->Open(path.c_str());
}

void
MainWindow::_SaveChosen(BMessage* message)
{
	entry_ref directoryRef;
	const char* name = nullptr;
	if (message->FindRef("directory", &directoryRef) != B_OK ||
	    message->FindString("name", &name) != B_OK)
		return;
	std::string file;
	if (!EntryPath::Of(directoryRef, true, &file))
		return;
	if (file != "/")
		file += "/";
	file += name;
	filesList->Save(file.c_str());
}

void
MainWindow::_OpenReadme()
{
	app_info info;
	be_app->GetAppInfo(&info);
	BEntry executable(&info.ref, false);
	BEntry folder;
	BPath folderPath;
	if (executable.GetParent(&folder) == B_OK && folder.GetPath(&folderPath) == B_OK) {
		std::string readme = std::string(folderPath.Path()) + "/leggimi";
		BEntry entry(readme.c_str(), true);
		entry_ref ref;
		if (entry.Exists() && entry.GetRef(&ref) == B_OK) {
			be_roster->Launch(&ref);
			return;
		}
	}
	Alerts::Show("ReadmeDialog", "File leggimi non trovato!");
}

void
MainWindow::_StartRun()
{
	// The progress window keeps the user away from "Codifica!" during a run;
	// a stray ENCD must not start a second one.
	if (isEncoding)
		return;

	const char* location = App()->encoderLocation;
	BEntry entry(location, true);
	if (!entry.Exists()) {
		Alerts::Show(
		    "EncodeFailed",
		    Format(kEncoderMissingFormat, location, "Posizione di Oggenc:", "Oggenc").c_str());
		return;
	}

	entry.GetRef(&encoderRef);
	currentIndex = 0;
	tabView->encoderView->OptionsBefore(optionsBefore);
	tabView->encoderView->OptionsAfter(optionsAfter);
	isEncoding = true;
	progressWindow->Show();
	BRect frame = Frame();
	progressWindow->MoveTo(frame.left + 50, frame.top + 50);
	be_roster->StartWatching(BMessenger(be_app), B_REQUEST_QUIT);
	EncodeNext();
}

void
MainWindow::_SkipFile()
{
	if (!isEncoding)
		return;
	// The encoder's end, reported by the roster, starts the next file.
	_SetProgressButtons(false);
	kill_team(encoderTeam);
}

void
MainWindow::_StopRun()
{
	if (!isEncoding)
		return;
	// Watching ends before the kill, so the killed encoder starts nothing.
	be_roster->StopWatching(BMessenger(be_app));
	kill_team(encoderTeam);
	isEncoding = false;
	currentIndex = 0;
	progressWindow->Hide();
}

void
MainWindow::_EndRun()
{
	be_roster->StopWatching(BMessenger(be_app));
	isEncoding = false;
	currentIndex = 0;
	progressWindow->Hide();
}

void
MainWindow::_SetProgressButtons(bool enabled)
{
	if (progressWindow->Lock()) {
		progressWindow->skipButton->SetEnabled(enabled);
		progressWindow->stopButton->SetEnabled(enabled);
		progressWindow->Unlock();
	}
}

bool
MainWindow::QuitRequested()
{
	App()->StoreOptionsAtQuit();
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
