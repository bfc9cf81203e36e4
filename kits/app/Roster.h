// BRoster: starts programs and reports when they end.
//
// Teams are processes. Launch() starts a program file with posix_spawn,
// never through a shell: the child gets the file's path as argv[0], then
// the given arguments, only the standard descriptors, default signal
// handling and a process group of its own (so that a terminal's Ctrl-C
// reaches this program, which turns it into a quit request, and not the
// children; and so that kill_team() ends whatever the child started).
// Children keep running when this program quits. Each child starts on the
// processor where the last one ended (StartProcessor), free to move from
// there.
//
// One thread per roster watches the children it started and reaps exactly
// those. When a program started by Launch(ref, argc, argv) ends, for any
// reason, every messenger watching with B_REQUEST_QUIT gets a
// B_SOME_APP_QUIT message with "be:ref" (the program file's entry_ref,
// links followed), "be:team" (int32) and, not BeOS's, "be:exit" (int32):
// how the process ended, its exit status (0 to 255) when it exited, minus
// the number of the signal that ended it otherwise (-9 for SIGKILL). The
// xdg-open helpers that the document and MIME type forms start are reaped
// too, but announce nothing: their end says nothing about the application
// they handed the file to. B_REQUEST_LAUNCHED is accepted and ignored.
//
// Standard error, not BeOS's: a program started by file while some
// messenger watches with B_REQUEST_OUTPUT writes its standard error into a
// pipe that the roster's thread reads, at most ten times a second (see
// ChildWatcher); every read goes to each messenger then watching with
// B_REQUEST_OUTPUT as a B_SOME_APP_OUTPUT message with "be:team" (int32)
// and "be:data" (B_RAW_TYPE, the bytes as written, cut anywhere). What the
// pipe still held when the program ended goes with its end: in the quit
// notice, as its "be:data", to a messenger that watches both, in a message
// of its own before the notice otherwise. So a program's output always
// arrives before its end, and one that ends within a tenth of a second
// costs no message but its notice. Such a child starts with SIGPIPE
// blocked, so that once this program has gone a write to the pipe fails
// instead of ending it. Other children share this program's standard
// error.
//
// Notices are sent with the watchers' lock held, so none arrives for a
// messenger after StopWatching() has returned. Starting a program does not
// take that lock.
//
// Thread safety: every member may be called from any thread.
#ifndef _ROSTER_H
#define _ROSTER_H

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <EntryRef.h>
#include <Messenger.h>
#include <OS.h>
#include <StorageDefs.h>

class BMessage;
namespace BPrivate {
class ChildWatcher;
}

enum {
	B_REQUEST_LAUNCHED = 0x1,
	B_REQUEST_QUIT = 0x2,
	B_REQUEST_ACTIVATED = 0x4,
	// Not BeOS's: the standard error of programs started by file.
	B_REQUEST_OUTPUT = 0x100,
};

enum {
	B_SINGLE_LAUNCH = 0x0,
	B_MULTIPLE_LAUNCH = 0x1,
	B_EXCLUSIVE_LAUNCH = 0x2,
	B_LAUNCH_MASK = 0x3,
	B_BACKGROUND_APP = 0x4,
	B_ARGV_ONLY = 0x8,
};

struct app_info {
	app_info();

	thread_id thread;
	team_id team;
	port_id port;
	uint32 flags;
	entry_ref ref;
	char signature[B_MIME_TYPE_LENGTH];
};

class BRoster {
public:
	BRoster();
	~BRoster();
	BRoster(const BRoster&) = delete;
	BRoster& operator=(const BRoster&) = delete;

	// Starts the program file with argc arguments (no program name among
	// them). B_OK and *team set; otherwise *team is -1 and the status is
	// the system's reason, translated (B_ENTRY_NOT_FOUND for a missing
	// file, B_PERMISSION_DENIED for a folder or a file without execute
	// permission, ...), or B_BAD_VALUE for a ref without a path.
	status_t Launch(const entry_ref* ref, int argc, const char* const* argv,
	                team_id* team = nullptr) const;
	// Opens the document with the desktop's default application, through
	// xdg-open. The message is not delivered: the application that opens
	// the document is not one of ours. B_OK means that xdg-open started,
	// not that an application was found; *team is xdg-open's.
	status_t Launch(const entry_ref* document, const BMessage* message = nullptr,
	                team_id* team = nullptr) const;
	// Hands the one argument (a URL or a path) to the desktop's default
	// handler, through xdg-open, which picks the application from the
	// argument itself: a "text/html" page is opened by the web browser.
	// B_BAD_VALUE without a type or unless argc is 1.
	status_t Launch(const char* mimeType, int argc, const char* const* argv,
	                team_id* team = nullptr) const;

	// B_BAD_VALUE for an invalid messenger. Watching again with the same
	// messenger replaces its events.
	status_t StartWatching(BMessenger target,
	                       uint32 events = B_REQUEST_LAUNCHED | B_REQUEST_QUIT) const;
	// B_BAD_VALUE when that messenger was not watching.
	status_t StopWatching(BMessenger target) const;

private:
	struct Child {
		entry_ref ref;
		bool announce = false;
	};
	struct Watcher {
		BMessenger target;
		uint32 events;
	};

	status_t _Start(const char* path, bool searchPath, int argc, const char* const* argv,
	                const entry_ref* ref, bool announce, team_id* team) const;
	bool _WantsOutput() const;
	std::vector<Watcher>::iterator _FindWatcher(const BMessenger& target) const;
	void _CountOutputWatchers() const;
	BPrivate::ChildWatcher* _Watcher() const;
	void _ChildEnded(team_id child, int32 how, const std::string& lastOutput) const;
	void _ChildOutput(team_id child, const char* data, size_t size) const;

	// fLock guards the children and the watcher's thread, fWatchersLock the
	// watching messengers. A notice is sent under the second only, so that
	// the thread it wakes can start the next child at once.
	mutable std::mutex fLock;
	mutable std::map<team_id, Child> fChildren;
	mutable std::unique_ptr<BPrivate::ChildWatcher> fChildWatcher;
	mutable std::mutex fWatchersLock;
	mutable std::vector<Watcher> fWatchers;
	// How many of them want output, read without the lock by Launch().
	mutable std::atomic<int32> fOutputWatchers;
	// Where the last child ended: the next one starts there.
	mutable std::atomic<int32> fLastProcessor;
};

// The process's roster; never destroyed, so that children started late in
// the process's life are still reaped while it exits.
extern const BRoster* be_roster;

#endif // _ROSTER_H
