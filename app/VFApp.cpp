#include "VFApp.h"

#include <Alert.h>
#include <AppFileInfo.h>
#include <Bitmap.h>
#include <File.h>
#include <Message.h>
#include <MimeType.h>
#include <Roster.h>
#include <TypeConstants.h>

#include <algorithm>
#include <cstring>
#include <string>

#include <Version.h>

#include "BuildStamp.h"
#include "SettingsAttributes.h"
#include "list/ListFile.h"
#include "window/Alerts.h"
#include "window/Commands.h"
#include "window/MainWindow.h"

static const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";
static const char* const kListDescription = "Vorlix OggVorbis Frontend list";
static const char* const kListExtension = "vfl";
static const char* const kWebAddress = "https://www.example.org/vorlix/";
static const char* const kMailAddress = "vorlix@example.org";
static const size_t kEncoderLocationSize = 1024;
// Where Debian's vorbis-tools puts the encoder.
static const char* const kDefaultEncoderLocation = "/usr/bin/oggenc";

static const char* const kEncoderLocationAttribute = "encoder_location";
static const char* const kDontCloseOnAddAttribute = "dont_close_on_add";
static const char* const kDontClearOnOpenAttribute = "dont_clear_on_open";
static const char* const kSelfRegisterAttribute = "self_register_mime_type";
static const char* const kParallelEncodersAttribute = "parallel_encoders";

// The running executable; a ref to nothing when it cannot be found.
static entry_ref
Executable(const BApplication& application)
{
	app_info info;
	application.GetAppInfo(&info);
	return info.ref;
}

VFApp::VFApp()
    : BApplication(kSignature), mainWindow(nullptr), hasLaunchRef(false),
      encoderLocation(new char[kEncoderLocationSize]), dontCloseOnAdd(false),
      dontClearOnOpen(false), selfRegisterMimeType(true), parallelEncoders(1),
      fSettings(Executable(*this)), fSettingsLossShown(false)
{
	strcpy(encoderLocation, kDefaultEncoderLocation);
}

VFApp::~VFApp()
{
	delete[] encoderLocation;
}

void
VFApp::AboutRequested()
{
	std::string text = std::string("Vorlix OggVorbis Frontend " VF_VERSION " (Italiano)\n"
	                               "Copyright © 2026 Vorlix\n"
	                               "\n"
	                               "Per le istruzioni e la licenza vedi il file leggimi.\n"
	                               "\n"
	                               "E-Mail: : ") +
	                   kMailAddress + "\nWeb: : " + kWebAddress + "\n\nCompilato il " +
	                   BuildStamp();
	BAlert* alert = new BAlert("AboutDialog", text.c_str(), "Apri sito", "Chiudi", nullptr,
	                           B_WIDTH_AS_USUAL, B_INFO_ALERT);
	// Escape closes it as "Chiudi" does.
	alert->SetShortcut(1, B_ESCAPE);
	if (alert->Go() != 0)
		return;
	// A browser that does not start is not reported.
	const char* argv[] = {kWebAddress};
	be_roster->Launch("text/html", 1, argv);
}

void
VFApp::RefsReceived(BMessage* message)
{
	if (!IsLaunching()) {
		if (_LockMainWindow()) {
			mainWindow->RefsReceived(message);
			mainWindow->Unlock();
		}
		return;
	}
	// Only the first file the program was opened with is kept.
	entry_ref ref;
	if (message->FindRef("refs", 0, &ref) == B_OK) {
		launchRef = ref;
		hasLaunchRef = true;
	}
}

void
VFApp::ReadyToRun()
{
	ReadOptions();
	// Read before the window's thread may change it.
	bool registerType = selfRegisterMimeType;
	mainWindow = new MainWindow(hasLaunchRef ? &launchRef : nullptr);
	fMainWindowMessenger = BMessenger(mainWindow);
	mainWindow->Show();
	if (!registerType)
		return;
	// The window comes first: installing the type waits for the desktop's
	// database tools, whose work would only slow its first picture.
	if (mainWindow->Lock()) {
		mainWindow->Sync();
		mainWindow->Unlock();
	}
	RegisterMIMEType(false);
}

void
VFApp::MessageReceived(BMessage* message)
{
	switch (message->what) {
		case B_SOME_APP_QUIT:
			_EncoderQuit(message);
			break;
		case B_SOME_APP_OUTPUT:
			_EncoderOutput(message);
			break;
		case LOGP:
		case OLPM:
		case SLPM:
			if (_LockMainWindow()) {
				mainWindow->MessageReceived(message);
				mainWindow->Unlock();
			}
			break;
		default:
			BApplication::MessageReceived(message);
			break;
	}
}

void
VFApp::_EncoderQuit(BMessage* message)
{
	// The window's lock serialises the run: the window's own thread holds
	// it while it starts, skips or stops one.
	if (!_LockMainWindow())
		return;
	entry_ref ref;
	int32 team;
	int32 how;
	if (mainWindow->isEncoding && message->FindRef("be:ref", &ref) == B_OK &&
	    ref == mainWindow->encoderRef && message->FindInt32("be:team", &team) == B_OK &&
	    message->FindInt32("be:exit", &how) == B_OK) {
		// The last of what it wrote comes with its end.
		_HandOutput(team, message);
		mainWindow->EncoderQuit(team, how);
	}
	mainWindow->Unlock();
}

void
VFApp::_EncoderOutput(BMessage* message)
{
	int32 team;
	if (message->FindInt32("be:team", &team) != B_OK || !_LockMainWindow())
		return;
	_HandOutput(team, message);
	mainWindow->Unlock();
}

// With the main window locked.
void
VFApp::_HandOutput(team_id team, BMessage* message)
{
	const void* data;
	ssize_t size;
	if (message->FindData("be:data", B_RAW_TYPE, &data, &size) == B_OK)
		mainWindow->EncoderWrote(team, static_cast<const char*>(data), (size_t)size);
}

bool
VFApp::_LockMainWindow()
{
	// Files and panel replies may still come after the main window has
	// closed, before the application ends: the messenger names the window
	// by its token, so neither a deleted window nor a new looper built at
	// its address is taken for it. Once locked, the window cannot go.
	BLooper* looper = nullptr;
	fMainWindowMessenger.Target(&looper);
	if (looper == nullptr || !looper->Lock())
		return false;
	BLooper* locked = nullptr;
	fMainWindowMessenger.Target(&locked);
	if (locked != looper) {
		looper->Unlock();
		return false;
	}
	return true;
}

void
VFApp::ReadOptions()
{
	// A node that cannot be opened makes every read fail with B_FILE_ERROR,
	// and so every setting takes its default.
	BFile file;
	fSettings.OpenForReading(&file);

	SettingsAttributes::ReadText(file, kEncoderLocationAttribute, kDefaultEncoderLocation,
	                             encoderLocation, kEncoderLocationSize);
	SettingsAttributes::ReadSwitch(file, kDontCloseOnAddAttribute, false, &dontCloseOnAdd);
	SettingsAttributes::ReadSwitch(file, kDontClearOnOpenAttribute, false, &dontClearOnOpen);
	SettingsAttributes::ReadSwitch(file, kSelfRegisterAttribute, true, &selfRegisterMimeType);
	SettingsAttributes::ReadNumber(file, kParallelEncodersAttribute, 1, &parallelEncoders);
	// A number from elsewhere may say anything.
	parallelEncoders = std::clamp(parallelEncoders, (int32)1, kMaxParallelEncoders);
}

status_t
VFApp::WriteOptions()
{
	BFile file;
	status_t status = fSettings.OpenForWriting(&file);
	if (status != B_OK)
		return status;

	// Every setting is tried; the first failure is the one reported.
	status_t results[] = {
	    SettingsAttributes::WriteText(file, kEncoderLocationAttribute, encoderLocation,
	                                  kEncoderLocationSize),
	    SettingsAttributes::WriteSwitch(file, kDontCloseOnAddAttribute, dontCloseOnAdd),
	    SettingsAttributes::WriteSwitch(file, kDontClearOnOpenAttribute, dontClearOnOpen),
	    SettingsAttributes::WriteSwitch(file, kSelfRegisterAttribute, selfRegisterMimeType),
	    SettingsAttributes::WriteNumber(file, kParallelEncodersAttribute, parallelEncoders),
	};
	for (status_t result : results) {
		if (result != B_OK)
			return result;
	}
	return B_OK;
}

void
VFApp::StoreOptionsAtQuit()
{
	if (WriteOptions() == B_OK || fSettingsLossShown.exchange(true))
		return;
	std::string text = "Impossibile salvare le impostazioni in \"" + fSettings.Path() +
	                   "\": le modifiche fatte in questa sessione andranno perse. Assicuratevi "
	                   "di poter scrivere nella cartella delle impostazioni su un disco che "
	                   "accetti gli attributi estesi.";
	Alerts::Show("SettingsNotStored", text.c_str());
}

void
VFApp::RegisterMIMEType(bool showAlert)
{
	BMimeType type(ListFile::kType);
	const char* text;
	if (type.IsInstalled()) {
		// An installed type keeps what it has, whoever installed it.
		text = "Il tipo MIME è già installato.";
	} else {
		// Only the installation's own result counts: a setter that fails
		// leaves that item out.
		type.SetShortDescription(kListDescription);
		type.SetLongDescription(kListDescription);
		type.SetPreferredApp(kSignature, B_OPEN);
		BMessage extensions(0);
		extensions.AddString("extensions", kListExtension);
		type.SetFileExtensions(&extensions);

		BBitmap large(BRect(0, 0, 31, 31), B_CMAP8, false, false);
		BBitmap mini(BRect(0, 0, 15, 15), B_CMAP8, false, false);
		_ReadIcons(&large, &mini);
		type.SetIcon(&large, B_LARGE_ICON);
		type.SetIcon(&mini, B_MINI_ICON);

		if (type.Install() == B_OK)
			text = "Tipo MIME installato.";
		else
			text = "Errore durante l'installazione del tipo MIME.";
	}
	if (showAlert)
		Alerts::Show("MimeInstalled", text, B_INFO_ALERT);
}

void
VFApp::UnregisterMIMEType()
{
	BMimeType type(ListFile::kType);
	const char* text;
	if (!type.IsInstalled())
		text = "Impossibile cancellare il tipo MIME; non è installato.";
	else if (type.Delete() == B_OK)
		text = "Tipo MIME cancellato.";
	else
		text = "Errore durante la cancellazione del tipo MIME.";
	Alerts::Show("MimeDeleted", text, B_INFO_ALERT);
}

void
VFApp::_OpenExecutable(BFile* file, uint32 openMode) const
{
	app_info info;
	GetAppInfo(&info);
	file->SetTo(&info.ref, openMode);
}

// Icons that cannot be read leave the bitmaps as they were made.
void
VFApp::_ReadIcons(BBitmap* large, BBitmap* mini) const
{
	BFile file;
	_OpenExecutable(&file, B_READ_ONLY);
	BAppFileInfo info;
	info.SetTo(&file);
	info.GetIcon(large, B_LARGE_ICON);
	info.GetIcon(mini, B_MINI_ICON);
}
