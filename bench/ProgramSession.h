// ProgramSession: the whole program in-process on a HeadlessDisplay, as the
// test harness runs it, for the benchmarks that time the program's own
// work: the application runs in a thread of its own and builds its main
// window; the benchmark plays the user. The list type goes to temporary
// XDG folders, and encoders start from the given location.
//
// Threads: build, use and delete it from one thread, with no other thread
// of the benchmark running while it is built (it changes the environment).
#ifndef PROGRAM_SESSION_H
#define PROGRAM_SESSION_H

#include <functional>
#include <memory>
#include <string>

#include "HeadlessDisplay.h"
#include "tests/support/ApplicationThread.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/TestUser.h"

class MainWindow;
class VFApp;

class ProgramSession {
public:
	static const char* const kMain;

	explicit ProgramSession(const std::string& encoder);
	~ProgramSession();
	ProgramSession(const ProgramSession&) = delete;
	ProgramSession& operator=(const ProgramSession&) = delete;

	// False when the main window did not show in time.
	bool IsReady() const;
	const TempDirectory& Folder() const;
	TestUser& User();
	HeadlessDisplay& Headless();
	VFApp* App() const;
	MainWindow* Window() const;

	// Runs the action with the main window locked, once the program is
	// idle.
	void Locked(const std::function<void()>& action);
	// Waits, within the bound (microseconds), for the run to end: encoders
	// end outside any message loop, so it cannot wait for idleness. It
	// checks again at each display update (a few times a second), locking
	// the main window only for a moment, so as not to hold up the run it
	// waits for, nor to wake the program's threads.
	bool WaitForRunEnd(int64_t timeout);

private:
	TempDirectory fFolder;
	ScopedEnvironment fEnvironment;
	HeadlessDisplay fDisplay;
	TestUser fUser;
	std::unique_ptr<ApplicationThread> fApplication;
	VFApp* fApp;
	MainWindow* fWindow;
};

#endif // PROGRAM_SESSION_H
