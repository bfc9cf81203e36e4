// VFApp: the program's one application object. It holds the settings, which
// live as attributes of the program's own executable file or, when this
// user may not change those, of a settings file of the user's own (see
// SettingsLocation): ReadOptions loads them once when the application is
// ready, WriteOptions stores them when the main window closes. It installs
// and removes the list files' MIME type and shows the About box.
//
// The settings fields have no lock: the application's thread reads them at
// start, the main window's thread changes them afterwards. The MIME
// operations and the About box show their alerts synchronously: they block
// the calling thread until the user closes the alert.
#ifndef VF_APP_H
#define VF_APP_H

#include <atomic>

#include <Application.h>
#include <Entry.h>
#include <Messenger.h>

#include "SettingsLocation.h"

class BBitmap;
class BFile;
class MainWindow;

class VFApp : public BApplication {
public:
	// The most encoders a run may keep going at once.
	static constexpr int32 kMaxParallelEncoders = 16;

	VFApp();
	~VFApp() override;

	VFApp(const VFApp&) = delete;
	VFApp& operator=(const VFApp&) = delete;

	void AboutRequested() override;
	// Files handed to the application: while it starts, the first becomes
	// the list file the main window opens; afterwards they go to the main
	// window, with it locked, or nowhere once it has closed.
	void RefsReceived(BMessage* message) override;
	void ReadyToRun() override;
	// The roster's notices that an encoder ended or wrote on its standard
	// error go to the run; the replies of the panels without a target go to
	// the main window, as files do.
	void MessageReceived(BMessage* message) override;

	void ReadOptions();
	// B_OK once every setting is stored, else the first failure.
	status_t WriteOptions();
	// WriteOptions() as the program quits: settings that cannot be stored
	// are never lost silently, a stop alert says so (once a run).
	void StoreOptionsAtQuit();
	// Installs the list type unless it is installed already; with showAlert
	// the outcome is shown, otherwise nothing is, whatever happened.
	void RegisterMIMEType(bool showAlert);
	// Removes the list type and always shows the outcome.
	void UnregisterMIMEType();

	entry_ref launchRef;
	MainWindow* mainWindow;
	bool hasLaunchRef;
	// A 1024-byte buffer, owned: at most 1023 characters and a terminator.
	char* encoderLocation;
	bool dontCloseOnAdd;
	bool dontClearOnOpen;
	bool selfRegisterMimeType;
	// How many encoders a run keeps going at once, from 1 to
	// kMaxParallelEncoders.
	int32 parallelEncoders;

private:
	// Locks the main window while it lives; false once it has gone.
	bool _LockMainWindow();
	void _OpenExecutable(BFile* file, uint32 openMode) const;
	void _ReadIcons(BBitmap* large, BBitmap* mini) const;
	void _EncoderQuit(BMessage* message);
	void _EncoderOutput(BMessage* message);
	// Hands what an encoder wrote ("be:data") to the main window, if any.
	void _HandOutput(team_id team, BMessage* message);

	BMessenger fMainWindowMessenger;
	const SettingsLocation fSettings;
	std::atomic<bool> fSettingsLossShown;
};

#endif // VF_APP_H
