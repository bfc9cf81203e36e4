#include <Application.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <unistd.h>

#include <AppDefs.h>
#include <Message.h>
#include <Roster.h>

#include <LooperList.h>
#include <LooperPort.h>
#include <SignalWatcher.h>

using BPrivate::LooperList;
using BPrivate::SignalWatcher;

BApplication* be_app = nullptr;
BMessenger be_app_messenger;

static std::mutex sLaunchFilesLock;
static std::optional<std::vector<std::string>> sLaunchFiles;

// The launch files: those set by SetLaunchFiles(), or the process's own
// arguments after the program's name.
static std::vector<std::string>
LaunchFiles()
{
	{
		std::scoped_lock lock(sLaunchFilesLock);
		if (sLaunchFiles.has_value())
			return *sLaunchFiles;
	}
	std::ifstream file("/proc/self/cmdline", std::ios::binary);
	std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
	std::vector<std::string> arguments;
	for (size_t start = 0; start < text.size();) {
		size_t end = text.find('\0', start);
		if (end == std::string::npos)
			end = text.size();
		arguments.push_back(text.substr(start, end - start));
		start = end + 1;
	}
	if (!arguments.empty())
		arguments.erase(arguments.begin());
	return arguments;
}

void
BApplication::SetLaunchFiles(int32 count, const char* const* paths)
{
	std::scoped_lock lock(sLaunchFilesLock);
	if (count < 0) {
		sLaunchFiles.reset();
		return;
	}
	sLaunchFiles.emplace(paths, paths + count);
}

BApplication::BApplication(const char* signature)
    : BLooper(signature), fInitStatus(B_NO_INIT), fReadyToRunCalled(false)
{
	fInitStatus = _Init(signature);
	if (fInitStatus != B_OK) {
		fprintf(stderr, "BApplication: %s\n",
		        fInitStatus == B_NOT_ALLOWED ? "there is already an application object"
		                                     : "the signature is not \"application/...\"");
		exit(1);
	}
}

BApplication::BApplication(const char* signature, status_t* error)
    : BLooper(signature), fInitStatus(B_NO_INIT), fReadyToRunCalled(false)
{
	fInitStatus = _Init(signature);
	if (error != nullptr)
		*error = fInitStatus;
}

BApplication::~BApplication()
{
	// One that failed to start owns nothing of the process.
	if (be_app != this)
		return;
	fSignalWatcher.reset();
	_QuitLoopers(false);
	be_app = nullptr;
	be_app_messenger = BMessenger();
}

status_t
BApplication::_Init(const char* signature)
{
	static const char kPrefix[] = "application/";
	if (signature == nullptr || strncasecmp(signature, kPrefix, strlen(kPrefix)) != 0 ||
	    strlen(signature) >= B_MIME_TYPE_LENGTH) {
		return B_BAD_VALUE;
	}
	if (be_app != nullptr)
		return B_NOT_ALLOWED;
	fSignature = signature;
	be_app = this;
	be_app_messenger = BMessenger(this);
	_PostLaunchMessages();
	fSignalWatcher = std::make_unique<SignalWatcher>(be_app_messenger);
	return B_OK;
}

void
BApplication::_PostLaunchMessages()
{
	BMessage refs(B_REFS_RECEIVED);
	for (const std::string& path : LaunchFiles()) {
		entry_ref ref;
		if (get_ref_for_path(path.c_str(), &ref) == B_OK)
			refs.AddRef("refs", &ref);
	}
	if (!refs.IsEmpty())
		PostMessage(&refs);
	PostMessage(B_READY_TO_RUN);
}

status_t
BApplication::InitCheck() const
{
	return fInitStatus;
}

thread_id
BApplication::Run()
{
	if (fInitStatus != B_OK)
		return fInitStatus;
	if (fPort->IsRunning())
		return B_ERROR;
	fPort->Start(find_thread(nullptr));
	if (fPort->IsLocked())
		fPort->Unlock();
	if (_Loop()) {
		fPort->Close();
		fPort->Unlock();
		fPort->Done();
	}
	return Thread();
}

void
BApplication::Quit()
{
	if (Thread() == find_thread(nullptr)) {
		BLooper::Quit();
		return;
	}
	fPort->PostQuit();
}

bool
BApplication::QuitRequested()
{
	// The loopers may need the application's lock to handle what they
	// still have queued while this thread waits for them to end.
	int32 locks = 0;
	for (; IsLocked(); locks++)
		Unlock();
	bool quit = _QuitLoopers(true);
	for (; locks > 0; locks--)
		Lock();
	return quit;
}

bool
BApplication::_QuitLoopers(bool ask)
{
	for (BLooper* looper : LooperList::Loopers()) {
		if (looper == this || !LooperList::Lock(looper))
			continue;
		if (ask && !looper->QuitRequested()) {
			looper->Unlock();
			return false;
		}
		looper->Quit();
	}
	return true;
}

void
BApplication::DispatchMessage(BMessage* message, BHandler* handler)
{
	if (handler != this) {
		BLooper::DispatchMessage(message, handler);
		return;
	}
	switch (message->what) {
		case B_REFS_RECEIVED:
			RefsReceived(message);
			break;
		case B_READY_TO_RUN:
			if (!fReadyToRunCalled) {
				ReadyToRun();
				fReadyToRunCalled = true;
			}
			break;
		case B_ABOUT_REQUESTED:
			AboutRequested();
			break;
		default:
			BLooper::DispatchMessage(message, handler);
			break;
	}
}

void
BApplication::ReadyToRun()
{
}

void
BApplication::RefsReceived(BMessage*)
{
}

void
BApplication::AboutRequested()
{
}

bool
BApplication::IsLaunching() const
{
	return !fReadyToRunCalled;
}

status_t
BApplication::GetAppInfo(app_info* info) const
{
	if (info == nullptr)
		return B_BAD_VALUE;
	char* executable = realpath("/proc/self/exe", nullptr);
	if (executable == nullptr)
		return status_from_errno(errno);
	status_t status = get_ref_for_path(executable, &info->ref);
	free(executable);
	if (status != B_OK)
		return status;
	info->thread = Thread() > 0 ? Thread() : -1;
	info->team = getpid();
	info->port = -1;
	info->flags = B_MULTIPLE_LAUNCH;
	strncpy(info->signature, fSignature.c_str(), sizeof(info->signature) - 1);
	info->signature[sizeof(info->signature) - 1] = '\0';
	return B_OK;
}
