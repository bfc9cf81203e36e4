// VFApp: the program's one application object. It holds the settings, which
// live as attributes of the program's own executable file: ReadOptions loads
// them once when the application is ready, WriteOptions stores them when
// the main window closes.
//
// The settings fields have no lock: the application's thread reads them at
// start, the main window's thread changes them afterwards.
#ifndef VF_APP_H
#define VF_APP_H

#include <Application.h>
#include <Entry.h>

class MainWindow;

class VFApp : public BApplication {
public:
	VFApp();
	~VFApp() override;

	VFApp(const VFApp&) = delete;
	VFApp& operator=(const VFApp&) = delete;

	void ReadOptions();
	void WriteOptions();

	entry_ref launchRef;
	MainWindow* mainWindow;
	bool hasLaunchRef;
	// A 1024-byte buffer, owned: at most 1023 characters and a terminator.
	char* encoderLocation;
	bool dontCloseOnAdd;
	bool dontClearOnOpen;
	bool selfRegisterMimeType;
};

#endif // VF_APP_H
