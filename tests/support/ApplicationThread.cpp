#include "ApplicationThread.h"

#include <future>

#include <Application.h>
#include <LooperList.h>
#include <LooperPort.h>

#include "MessageLog.h"
#include "Watchdog.h"

ApplicationThread::ApplicationThread(Factory factory) : fApplication(nullptr)
{
	BApplication::SetLaunchFiles(0, nullptr);
	std::promise<BApplication*> built;
	fThread = std::thread([&built, factory = std::move(factory)] {
		BApplication* application = factory();
		built.set_value(application);
		application->Run();
		delete application;
	});
	fApplication = built.get_future().get();
	// Waiting for idleness counts only loopers that run: tests act at once,
	// so the application's loop, and with it its queued start, must be
	// running before they do.
	std::shared_ptr<LooperPort> port = LooperList::PortFor(fApplication);
	if (port) {
		Watchdog watchdog(MessageLog::kTimeout);
		port->WaitForThread();
	}
}

ApplicationThread::~ApplicationThread()
{
	Quit();
	BApplication::SetLaunchFiles(-1, nullptr);
}

BApplication*
ApplicationThread::Application() const
{
	return fApplication;
}

void
ApplicationThread::Quit()
{
	if (!fThread.joinable())
		return;
	Watchdog watchdog(MessageLog::kTimeout);
	be_app_messenger.SendMessage(B_QUIT_REQUESTED);
	fThread.join();
	fApplication = nullptr;
}
