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
#include <MessageRunner.h>
#include <NodeInfo.h>
#include <Path.h>
#include <Roster.h>
#include <StatusBar.h>
#include <StorageDefs.h>
#include <StringView.h>
#include <TextControl.h>

#include <algorithm>
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
// How often the progress window is brought up to date: a few times a
// second, however many files and lines of output come meanwhile.
static const bigtime_t kProgressInterval = 250000;

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
      optionsBefore(), optionsAfter(), currentIndex(0), encoderTeam(-1), isEncoding(false),
      fLaunchFailed(false)
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
			_SkipFile(message);
			break;
		case STOP:
			_StopRun();
			break;
		case PROG:
			if (isEncoding)
				_ShowProgress();
			break;
		case PENC: {
			int32 count;
			if (message->FindInt32("count", &count) == B_OK)
				App()->parallelEncoders = std::clamp(count, (int32)1, VFApp::kMaxParallelEncoders);
			break;
		}
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
	while (!fLaunchFailed && currentIndex < filesList->CountItems()) {
		auto free = std::find_if(fSlots.begin(), fSlots.end(),
		                         [](const Slot& slot) { return slot.team < 0; });
		if (free == fSlots.end())
			return;
		if (!_Launch(&*free))
			fLaunchFailed = true;
	}
	if (std::none_of(fSlots.begin(), fSlots.end(), [](const Slot& slot) { return slot.team >= 0; }))
		_EndRun();
}

void
MainWindow::EncoderQuit(team_id team, int32 how)
{
	Slot* slot = _FindSlot(team);
	if (slot == nullptr)
		return;
	if (how != 0 && !slot->ended)
		fFailures.push_back({slot->path, slot->output.LastLine()});
	fProgress.Finish(slot->index);
	bool ended = slot->ended;
	slot->team = -1;
	EncodeNext();
	// What the user did shows at once: the next file takes the slot.
	if (ended && isEncoding)
		_ShowProgress();
}

void
MainWindow::EncoderWrote(team_id team, const char* data, size_t size)
{
	if (Slot* slot = _FindSlot(team))
		slot->output.Add(data, size);
}

bool
MainWindow::_Launch(Slot* slot)
{
	const char* path = static_cast<BStringItem*>(filesList->ItemAt(currentIndex))->Text();
	if (VorlixLaunchWithPath(&encoderRef, optionsBefore, path, optionsAfter, &encoderTeam) !=
	    B_OK) {
		Alerts::Show("LaunchFailed", Format(kLaunchFailedFormat, "Oggenc", "Oggenc").c_str());
		return false;
	}
	*slot = Slot();
	slot->team = encoderTeam;
	slot->index = currentIndex;
	slot->path = path;
	// The progress window shows the path as the encoder's command line
	// would quote it; the path itself reaches the encoder whole, as one
	// argument.
	slot->fileText = slot->path;
	if (slot->fileText.find(' ') != std::string::npos)
		slot->fileText = "\"" + slot->fileText + "\"";
	currentIndex++;
	return true;
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
	// ReadOptions() and PENC keep the setting within its range.
	int32 encoders = App()->parallelEncoders;
	fSlots.assign((size_t)encoders, Slot());
	fFailures.clear();
	fLaunchFailed = false;
	fProgress.Begin(filesList->Paths(), system_time());
	isEncoding = true;
	if (progressWindow->Lock()) {
		progressWindow->SetEncoders(encoders);
		progressWindow->Unlock();
	}
	progressWindow->Show();
	BRect frame = Frame();
	progressWindow->MoveTo(frame.left + 50, frame.top + 50);
	be_roster->StartWatching(BMessenger(be_app), B_REQUEST_QUIT | B_REQUEST_OUTPUT);
	BMessage tick(PROG);
	fProgressRunner = std::make_unique<BMessageRunner>(BMessenger(this), &tick, kProgressInterval);
	EncodeNext();
	if (isEncoding)
		_ShowProgress();
}

void
MainWindow::_SkipFile(BMessage* message)
{
	if (!isEncoding)
		return;
	int32 index = 0;
	message->FindInt32("slot", &index);
	if (index < 0 || (size_t)index >= fSlots.size())
		return;
	Slot& slot = fSlots[(size_t)index];
	if (slot.team < 0 || slot.ended)
		return;
	// The encoder's end, reported by the roster, starts the next file.
	slot.ended = true;
	_ShowProgress();
	kill_team(slot.team);
}

void
MainWindow::_StopRun()
{
	if (!isEncoding)
		return;
	// Watching ends before the kill, so the killed encoders start nothing.
	be_roster->StopWatching(BMessenger(be_app));
	for (Slot& slot : fSlots) {
		if (slot.team >= 0) {
			slot.ended = true;
			kill_team(slot.team);
		}
	}
	_EndRun();
}

// The files given to the encoder are reported on; those it never got
// are not.
void
MainWindow::_EndRun()
{
	be_roster->StopWatching(BMessenger(be_app));
	fProgressRunner.reset();
	_ShowProgress();
	int32 started = currentIndex;
	isEncoding = false;
	currentIndex = 0;
	fSlots.clear();
	// The hide reaches the screen before the report, not whenever the
	// progress window's thread gets to it.
	if (progressWindow->Lock()) {
		progressWindow->Hide();
		progressWindow->UpdateIfNeeded();
		progressWindow->Unlock();
	}
	if (!fFailures.empty())
		Alerts::Show("EncodeReport", EncodeReport::Text(fFailures, started).c_str());
	fFailures.clear();
}

MainWindow::Slot*
MainWindow::_FindSlot(team_id team)
{
	if (!isEncoding || team < 0)
		return nullptr;
	auto found = std::find_if(fSlots.begin(), fSlots.end(),
	                          [team](const Slot& slot) { return slot.team == team; });
	return found != fSlots.end() ? &*found : nullptr;
}

void
MainWindow::_ShowProgress()
{
	std::vector<RunProgress::Running> running;
	for (const Slot& slot : fSlots) {
		if (slot.team >= 0)
			running.push_back({slot.index, slot.output.Fraction()});
	}
	float fraction = fProgress.Fraction(running);
	if (!progressWindow->Lock())
		return;
	// The files started so far.
	progressWindow->fileNumberView->SetText(
	    Format("File %d di %d", (int)currentIndex, (int)filesList->CountItems()).c_str());
	for (int32 row = 0; row < (int32)fSlots.size(); row++)
		_ShowRow(row, fSlots[(size_t)row]);
	progressWindow->runBar->SetTo(fraction * 100,
	                              fProgress.RemainingText(fraction, system_time()).c_str(),
	                              Format("%d%%", (int)(fraction * 100)).c_str());
	if (fSlots.size() > 1)
		progressWindow->stopButton->SetEnabled(true);
	progressWindow->Unlock();
}

void
MainWindow::_ShowRow(int32 row, const Slot& slot)
{
	bool endable = slot.team >= 0 && !slot.ended;
	progressWindow->SkipButton(row)->SetEnabled(endable);
	if (fSlots.size() == 1) {
		// One encoder: "Ferma codifica" waits with "Salta file" for the
		// next file after a skip.
		progressWindow->stopButton->SetEnabled(endable);
	}
	// A slot shows its last file, done, until the next one comes.
	if (slot.fileText.empty())
		return;
	float fraction = slot.team >= 0 ? slot.output.Fraction() : 1;
	std::string percent = fraction > 0 ? Format("%d%%", (int)(fraction * 100)) : "";
	BStatusBar* bar = progressWindow->FileBar(row);
	if (fSlots.size() == 1) {
		progressWindow->fileNameView->SetText(slot.fileText.c_str());
		bar->SetTo(fraction * 100, nullptr, percent.c_str());
	} else {
		bar->SetTo(fraction * 100, slot.fileText.c_str(), percent.c_str());
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
