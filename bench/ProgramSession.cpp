#include "ProgramSession.h"

#include <chrono>
#include <cstring>
#include <thread>

#include <LooperList.h>
#include <Version.h>
#include <Window.h>

#include "app/VFApp.h"
#include "tests/support/MessageLog.h"
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
	for (BLooper* looper : LooperList::Loopers()) {
		BWindow* window = dynamic_cast<BWindow*>(looper);
		if (window != nullptr && window->Lock())
			window->Quit();
	}
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
	auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(timeout);
	auto encoding = [&] {
		if (!fWindow->Lock())
			return false;
		bool running = fWindow->isEncoding;
		fWindow->Unlock();
		return running;
	};
	while (encoding()) {
		if (std::chrono::steady_clock::now() > deadline)
			return false;
		std::this_thread::sleep_for(std::chrono::milliseconds(5));
	}
	return fUser.WaitIdle();
}
