// BApplication: the program's one application object, the looper of the
// main thread. Run() handles its messages in the calling thread and returns
// when the application quits; the object is not deleted then (main() does
// that).
//
// Launch: the files the program was started with are its command line's
// arguments (argv[1] on, paths relative to the working directory at
// construction), read from /proc/self/cmdline, so main() needs to pass
// nothing. When there are any, one B_REFS_RECEIVED with all of them under
// "refs" is queued before B_READY_TO_RUN. IsLaunching() is true until
// ReadyToRun() has returned.
//
// Quitting: B_QUIT_REQUESTED (also what SIGTERM, SIGINT and SIGHUP become)
// asks QuitRequested(), whose default asks every other looper in turn, in
// the order they were built: it locks the looper and calls its
// QuitRequested() in the application's thread; the looper quits when it
// agrees, and the first refusal stops the round and keeps the application
// running. Quit() from another thread, or before Run(), makes Run() return
// once the messages queued before it are handled. The destructor quits
// every looper still alive, without asking.
#ifndef _APPLICATION_H
#define _APPLICATION_H

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include <Looper.h>
#include <Messenger.h>

namespace BPrivate {
class SignalWatcher;
}
struct app_info;

class BApplication : public BLooper {
public:
	// The signature must be a MIME type "application/...". With an error
	// pointer a bad signature, or a second application, is reported there
	// (and Run() must not be called); without one it ends the process.
	explicit BApplication(const char* signature);
	BApplication(const char* signature, status_t* error);
	~BApplication() override;

	status_t InitCheck() const;

	thread_id Run() override;
	void Quit() override;
	bool QuitRequested() override;
	void DispatchMessage(BMessage* message, BHandler* handler) override;

	virtual void ReadyToRun();
	virtual void RefsReceived(BMessage* message);
	virtual void AboutRequested();

	bool IsLaunching() const;
	// The running executable (links resolved), this process, the
	// application's thread, its signature and B_MULTIPLE_LAUNCH.
	status_t GetAppInfo(app_info* info) const;

	// Replaces the command line for every application built after the call:
	// the launch files are then exactly these paths. For test harnesses,
	// whose own options are no files. A negative count goes back to the
	// process's command line.
	static void SetLaunchFiles(int32 count, const char* const* paths);

private:
	status_t _Init(const char* signature);
	void _PostLaunchMessages();
	bool _QuitLoopers(bool ask);

	std::string fSignature;
	status_t fInitStatus;
	std::atomic<bool> fReadyToRunCalled;
	std::unique_ptr<BPrivate::SignalWatcher> fSignalWatcher;
};

extern BApplication* be_app;
extern BMessenger be_app_messenger;

#endif // _APPLICATION_H
