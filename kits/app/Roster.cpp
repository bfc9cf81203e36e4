#include <Roster.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <AppDefs.h>
#include <Entry.h>
#include <Message.h>

#include <ChildWatcher.h>
#include <StartProcessor.h>

using BPrivate::ChildWatcher;
using BPrivate::StartProcessor;

extern char** environ;

const BRoster* be_roster = new BRoster;

static const char* kOpener = "xdg-open";

app_info::app_info() : thread(-1), team(-1), port(-1), flags(B_MULTIPLE_LAUNCH), signature() {}

// Starts path with argv (ended by a null entry) as a child with only the
// standard descriptors, an empty signal mask, default handling of the
// signals a parent commonly catches or ignores, and a process group of its
// own, started on processor (when it is not -1). With an error pipe (its
// write end), that is the child's standard error, and SIGPIPE stays
// blocked in it. glibc reports a failed exec as posix_spawn's result.
static int
Spawn(const char* path, bool searchPath, char* const* argv, int errorPipe, int32 processor,
      pid_t* child)
{
	posix_spawn_file_actions_t actions;
	posix_spawnattr_t attributes;
	posix_spawn_file_actions_init(&actions);
	posix_spawnattr_init(&attributes);
	if (errorPipe >= 0)
		posix_spawn_file_actions_adddup2(&actions, errorPipe, STDERR_FILENO);
	posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

	sigset_t mask;
	sigemptyset(&mask);
	if (errorPipe >= 0)
		sigaddset(&mask, SIGPIPE);
	posix_spawnattr_setsigmask(&attributes, &mask);
	sigset_t defaults;
	sigemptyset(&defaults);
	for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGCHLD})
		sigaddset(&defaults, signal);
	posix_spawnattr_setsigdefault(&attributes, &defaults);
	posix_spawnattr_setpgroup(&attributes, 0);
	posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
	                                          POSIX_SPAWN_SETPGROUP);

	StartProcessor start(processor);
	int error = searchPath ? posix_spawnp(child, path, &actions, &attributes, argv, environ)
	                       : posix_spawn(child, path, &actions, &attributes, argv, environ);
	if (error == 0)
		start.Release(*child);
	posix_spawnattr_destroy(&attributes);
	posix_spawn_file_actions_destroy(&actions);
	return error;
}

// A pipe for a child's standard error: the read end, which this program
// polls, does not block; the write end, the child's, does.
static status_t
MakeErrorPipe(int ends[2])
{
	if (pipe2(ends, O_CLOEXEC) != 0)
		return status_from_errno(errno);
	if (fcntl(ends[0], F_SETFL, O_NONBLOCK) != 0) {
		status_t status = status_from_errno(errno);
		close(ends[0]);
		close(ends[1]);
		return status;
	}
	return B_OK;
}

BRoster::BRoster() : fOutputWatchers(0), fLastProcessor(-1) {}

BRoster::~BRoster()
{
	// Stops watching first: the hook must not run on a half-destroyed
	// roster.
	fChildWatcher.reset();
}

status_t
BRoster::Launch(const entry_ref* ref, int argc, const char* const* argv, team_id* team) const
{
	std::string path = ref != nullptr ? path_for_ref(*ref) : std::string();
	entry_ref program;
	status_t status = B_BAD_VALUE;
	if (!path.empty() && argc >= 0 && (argc == 0 || argv != nullptr))
		status = BEntry(path.c_str(), true).GetRef(&program);
	if (status != B_OK) {
		if (team != nullptr)
			*team = -1;
		return status;
	}
	return _Start(path.c_str(), false, argc, argv, &program, true, team);
}

status_t
BRoster::Launch(const entry_ref* document, const BMessage*, team_id* team) const
{
	std::string path = document != nullptr ? path_for_ref(*document) : std::string();
	status_t status = B_BAD_VALUE;
	struct stat info;
	if (!path.empty())
		status = stat(path.c_str(), &info) == 0 ? B_OK : status_from_errno(errno);
	if (status != B_OK) {
		if (team != nullptr)
			*team = -1;
		return status;
	}
	const char* argument = path.c_str();
	return _Start(kOpener, true, 1, &argument, nullptr, false, team);
}

status_t
BRoster::Launch(const char* mimeType, int argc, const char* const* argv, team_id* team) const
{
	if (mimeType == nullptr || argc != 1 || argv == nullptr || argv[0] == nullptr) {
		if (team != nullptr)
			*team = -1;
		return B_BAD_VALUE;
	}
	return _Start(kOpener, true, 1, argv, nullptr, false, team);
}

status_t
BRoster::_Start(const char* path, bool searchPath, int argc, const char* const* argv,
                const entry_ref* ref, bool announce, team_id* team) const
{
	std::vector<char*> vector;
	vector.push_back(const_cast<char*>(path));
	for (int i = 0; i < argc; i++)
		vector.push_back(const_cast<char*>(argv[i]));
	vector.push_back(nullptr);

	if (team != nullptr)
		*team = -1;
	int errorPipe[2] = {-1, -1};
	if (announce && _WantsOutput()) {
		status_t status = MakeErrorPipe(errorPipe);
		if (status != B_OK)
			return status;
	}
	pid_t child;
	int error =
	    Spawn(path, searchPath, vector.data(), errorPipe[1], fLastProcessor.load(), &child);
	if (errorPipe[1] >= 0)
		close(errorPipe[1]);
	if (error != 0) {
		if (errorPipe[0] >= 0)
			close(errorPipe[0]);
		return status_from_errno(error);
	}

	// Known before the watcher can see the child end.
	{
		std::scoped_lock lock(fLock);
		fChildren[child] = Child{ref != nullptr ? *ref : entry_ref(), announce};
	}
	status_t status = _Watcher()->Watch(child, errorPipe[0]);
	if (status != B_OK) {
		// Unwatched, it could be neither announced nor reaped: undo it.
		{
			std::scoped_lock lock(fLock);
			fChildren.erase(child);
		}
		if (errorPipe[0] >= 0)
			close(errorPipe[0]);
		kill(child, SIGKILL);
		while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
		}
		return status;
	}
	if (team != nullptr)
		*team = child;
	return B_OK;
}

bool
BRoster::_WantsOutput() const
{
	return fOutputWatchers.load() > 0;
}

// Under the watchers' lock.
std::vector<BRoster::Watcher>::iterator
BRoster::_FindWatcher(const BMessenger& target) const
{
	return std::find_if(fWatchers.begin(), fWatchers.end(),
	                    [&](const Watcher& watcher) { return watcher.target == target; });
}

// Under the watchers' lock.
void
BRoster::_CountOutputWatchers() const
{
	fOutputWatchers =
	    (int32)std::count_if(fWatchers.begin(), fWatchers.end(), [](const Watcher& watcher) {
		    return (watcher.events & B_REQUEST_OUTPUT) != 0;
	    });
}

// The watcher's thread starts with the first child.
ChildWatcher*
BRoster::_Watcher() const
{
	std::scoped_lock lock(fLock);
	if (fChildWatcher == nullptr) {
		fChildWatcher = std::make_unique<ChildWatcher>(
		    [this](team_id ended, int32 how, const std::string& lastOutput) {
			    _ChildEnded(ended, how, lastOutput);
		    },
		    [this](team_id child, const char* data, size_t size) {
			    _ChildOutput(child, data, size);
		    });
	}
	return fChildWatcher.get();
}

void
BRoster::_ChildEnded(team_id child, int32 how, const std::string& lastOutput) const
{
	// Read before the notice, which may start the next child.
	fLastProcessor = StartProcessor::LastOf(child);
	Child ended;
	{
		std::scoped_lock lock(fLock);
		auto found = fChildren.find(child);
		if (found == fChildren.end())
			return;
		ended = found->second;
		fChildren.erase(found);
	}
	if (!ended.announce)
		return;
	BMessage notice(B_SOME_APP_QUIT);
	notice.AddRef("be:ref", &ended.ref);
	notice.AddInt32("be:team", child);
	notice.AddInt32("be:exit", how);
	std::scoped_lock lock(fWatchersLock);
	for (const Watcher& watcher : fWatchers) {
		bool quit = (watcher.events & B_REQUEST_QUIT) != 0;
		bool wantsOutput = (watcher.events & B_REQUEST_OUTPUT) != 0 && !lastOutput.empty();
		if (!wantsOutput) {
			if (quit)
				watcher.target.SendMessage(&notice);
			continue;
		}
		BMessage message(quit ? notice : BMessage(B_SOME_APP_OUTPUT));
		if (!quit)
			message.AddInt32("be:team", child);
		message.AddData("be:data", B_RAW_TYPE, lastOutput.data(), (ssize_t)lastOutput.size());
		watcher.target.SendMessage(&message);
	}
}

void
BRoster::_ChildOutput(team_id child, const char* data, size_t size) const
{
	BMessage output(B_SOME_APP_OUTPUT);
	output.AddInt32("be:team", child);
	output.AddData("be:data", B_RAW_TYPE, data, (ssize_t)size);
	std::scoped_lock lock(fWatchersLock);
	for (const Watcher& watcher : fWatchers) {
		if ((watcher.events & B_REQUEST_OUTPUT) != 0)
			watcher.target.SendMessage(&output);
	}
}

status_t
BRoster::StartWatching(BMessenger target, uint32 events) const
{
	if (!target.IsValid())
		return B_BAD_VALUE;
	std::scoped_lock lock(fWatchersLock);
	auto found = _FindWatcher(target);
	if (found != fWatchers.end())
		found->events = events;
	else
		fWatchers.push_back(Watcher{target, events});
	_CountOutputWatchers();
	return B_OK;
}

status_t
BRoster::StopWatching(BMessenger target) const
{
	std::scoped_lock lock(fWatchersLock);
	auto found = _FindWatcher(target);
	if (found == fWatchers.end())
		return B_BAD_VALUE;
	fWatchers.erase(found);
	_CountOutputWatchers();
	return B_OK;
}
