// ApplicationThread: runs an application in a thread of its own, as main()
// runs it in the main thread, so that the test's thread stays free to act
// as the user. The application is built, run and deleted in that thread,
// since a looper's first lock belongs to the thread that builds it.
//
// The application starts with the launch files given (none by default), as
// if they followed the program's name on its command line. The destructor asks it to
// quit if it still runs and waits for its thread, bounded by a watchdog.
#ifndef APPLICATION_THREAD_H
#define APPLICATION_THREAD_H

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <Messenger.h>

class BApplication;

class ApplicationThread {
public:
	using Factory = std::function<BApplication*()>;

	// Returns once the application is built, its loop runs and its start
	// (launch files, ReadyToRun) has been handled.
	explicit ApplicationThread(Factory factory, const std::vector<std::string>& launchFiles = {});
	~ApplicationThread();
	ApplicationThread(const ApplicationThread&) = delete;
	ApplicationThread& operator=(const ApplicationThread&) = delete;

	// Valid until Quit() returns.
	BApplication* Application() const;
	// Sends B_QUIT_REQUESTED and waits until the application's thread has
	// deleted it; the application's quit round closes the windows.
	void Quit();

private:
	BApplication* fApplication;
	// The application's own: be_app_messenger is cleared by the
	// application's thread when the application ends by itself.
	BMessenger fMessenger;
	std::thread fThread;
};

#endif // APPLICATION_THREAD_H
