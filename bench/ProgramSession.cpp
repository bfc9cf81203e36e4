#include "ProgramSession.h"

#include <cstring>

#include <LooperList.h>
#include <Version.h>

#include "app/VFApp.h"
#include "tests/support/MessageLog.h"
#include "tests/support/OpenWindows.h"
#include "window/MainWindow.h"

using BPrivate::Display;
using BPrivate::LooperList;

const char* const ProgramSession::kMain = "Vorlix OggVorbis Frontend " VF_VERSION;

ProgramSession::ProgramSession(const std::string& encoder)
    : fUser(fDisplay), fApp(nullptr), fWindow(nullptr)
{
	fEnvironment.Set("XDG_DATA_HOME", fFolder / "data");
	fEnvironment.Set("XDG_CONFIG_HOME", fFolder / "config");
	Display::SetCurrent(&fDisplay);
	fApplication = std::make_unique<ApplicationThread>([] { return new VFApp(); });
	if (!fDisplay.WaitForShown(kMain, MessageLog::kTimeout))
		return;
	fApp = static_cast<VFApp*>(fApplication->Application());
	fWindow = fApp->mainWindow;
	Locked([&] {
		strncpy(fApp->encoderLocation, encoder.c_str(), 1023);
		fApp->encoderLocation[1023] = '\0';
	});
}

ProgramSession::~ProgramSession()
{
	fApplication.reset();
	LooperList::WaitForIdle(MessageLog::kTimeout);
	OpenWindows::QuitAll();
	Display::SetCurrent(nullptr);
}

bool
ProgramSession::IsReady() const
{
	return fWindow != nullptr;
}

const TempDirectory&
ProgramSession::Folder() const
{
	return fFolder;
}

TestUser&
ProgramSession::User()
{
	return fUser;
}

HeadlessDisplay&
ProgramSession::Headless()
{
	return fDisplay;
}

VFApp*
ProgramSession::App() const
{
	return fApp;
}

MainWindow*
ProgramSession::Window() const
{
	return fWindow;
}

void
ProgramSession::Locked(const std::function<void()>& action)
{
	fUser.WaitIdle();
	if (!fWindow->Lock())
		return;
	action();
	fWindow->Unlock();
}

bool
ProgramSession::WaitForRunEnd(int64_t timeout)
{
	bigtime_t deadline = system_time() + timeout;
	for (;;) {
		// Counted before the check: a run ends by hiding the progress
		// window, an update that comes after isEncoding is false.
		int32 updates = fDisplay.UpdateCount();
		if (!fWindow->Lock())
			return false;
		bool encoding = fWindow->isEncoding;
		fWindow->Unlock();
		if (!encoding)
			return fUser.WaitIdle();
		bigtime_t left = deadline - system_time();
		if (left <= 0 || !fDisplay.WaitForUpdate(updates, left))
			return false;
	}
}
