#include "ApplicationThread.h"

#include <future>

#include <Application.h>

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
