// ProgramFixture: the whole program in-process on the headless display. The
// application object runs in a thread of its own, as main() runs it, and
// builds its main window; the test plays the user. Encoders started by the
// program are the stand-in encoder, whose starts the log records; the list
// type goes to temporary XDG folders.
//
// The program stores its settings on its executable when its window
// closes: tests built on this fixture belong in a test program of their
// own, and set the settings they rely on after Start().
#ifndef PROGRAM_FIXTURE_H
#define PROGRAM_FIXTURE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <OS.h>

#include "ApplicationThread.h"
#include "FakeEncoderLog.h"
#include "HeadlessFixture.h"
#include "MessageLog.h"
#include "ScopedEnvironment.h"
#include "TempDirectory.h"

class MainWindow;
class VFApp;

class ProgramFixture : public HeadlessFixture {
protected:
	static const char* const kMain;
	static const char* const kProgress;

	ProgramFixture();
	~ProgramFixture() override;

	void SetUp() override;
	void TearDown() override;

	// Starts the program, as with the files to open on its command line,
	// and points it at the encoder, with one encoder at a time.
	void Start(const char* encoder = FAKE_ENCODER_PATH,
	           const std::vector<std::string>& launchFiles = {});
	// Runs the action with the main window locked, once the program is idle.
	void Locked(const std::function<void()>& action);
	void AddFiles(const std::vector<std::string>& paths);
	bool IsEncoding();
	// The process the run started for the current file.
	team_id EncoderTeam();

	// Encoders end outside any message loop, so these check their
	// condition again every few milliseconds, within the bound.
	bool WaitUntil(const std::function<bool()>& done, bigtime_t timeout = 6 * MessageLog::kTimeout);
	bool WaitForRecords(size_t count);
	bool WaitForRunEnd(bigtime_t timeout = 6 * MessageLog::kTimeout);
	// Waits until the process has ended and the program has dealt with its
	// end.
	bool WaitForEnd(pid_t pid);
	std::vector<std::vector<std::string>> Arguments();

	TempDirectory folder;
	ScopedEnvironment environment;
	std::unique_ptr<FakeEncoderLog> log;
	std::unique_ptr<ApplicationThread> application;
	VFApp* app = nullptr;
	MainWindow* window = nullptr;
};

#endif // PROGRAM_FIXTURE_H
