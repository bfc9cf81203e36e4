#include "ApplicationThread.h"

#include <future>

#include <Application.h>
#include <LooperList.h>
#include <LooperPort.h>

#include "MessageLog.h"
#include "Watchdog.h"

using BPrivate::LooperList;
using BPrivate::LooperPort;

ApplicationThread::ApplicationThread(Factory factory, const std::vector<std::string>& launchFiles)
    : fApplication(nullptr)
{
	std::vector<const char*> paths;
	for (const std::string& path : launchFiles)
		paths.push_back(path.c_str());
	BApplication::SetLaunchFiles(paths.size(), paths.data());
	std::promise<BApplication*> built;
	fThread = std::thread([&built, factory = std::move(factory)] {
		BApplication* application = factory();
		built.set_value(application);
		application->Run();
		delete application;
	});
	fApplication = built.get_future().get();
	fMessenger = BMessenger(fApplication);
	// Tests act at once, and some change the process environment that the
	// application's start reads while it spawns helpers: they wait until
	// the loop runs and its queued start has been handled.
	std::shared_ptr<LooperPort> port = LooperList::PortFor(fApplication);
	if (port) {
		{
			Watchdog watchdog(MessageLog::kTimeout);
			port->WaitForThread();
		}
		LooperList::WaitForIdle(MessageLog::kTimeout);
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
	fMessenger.SendMessage(B_QUIT_REQUESTED);
	fThread.join();
	fApplication = nullptr;
}
