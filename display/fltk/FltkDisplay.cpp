#include "FltkDisplay.h"

#include <FL/Fl.H>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <AppDefs.h>
#include <LooperList.h>
#include <SignalWatcher.h>

#include "FltkBoxTypes.h"
#include "FltkConnection.h"
#include "FltkMenuItems.h"
#include "FltkScale.h"
#include "FltkScreen.h"
#include "FltkWindow.h"

using namespace BPrivate;

namespace {

// Measuring a character the screen has not seen yet waits this long at
// most; the screen thread never waits for a kit thread, so it answers at
// once unless the machine is very busy.
const bigtime_t kMeasureTimeout = 5000000;

// The shortest time between two batches of work, in seconds.
const double kFrame = 0.025;

bigtime_t
Now()
{
	return std::chrono::duration_cast<std::chrono::microseconds>(
	           std::chrono::steady_clock::now().time_since_epoch())
	    .count();
}

} // namespace

FltkDisplay::FltkDisplay()
    : fOpened(Now()), fWakeSent(false), fWorking(false), fBatches(0), fQuitting(false),
      fLost(false), fScreen(nullptr), fLastDrawn(0), fTimerSet(false)
{
}

std::unique_ptr<FltkDisplay>
FltkDisplay::Open(std::string* error)
{
	std::unique_ptr<FltkDisplay> display(new FltkDisplay());
	std::promise<std::string> started;
	std::future<std::string> result = started.get_future();
	display->fThread = std::thread(&FltkDisplay::_Run, display.get(), &started);
	std::string failure = result.get();
	if (failure.empty())
		return display;
	display->fThread.join();
	*error = failure;
	return nullptr;
}

FltkDisplay::~FltkDisplay()
{
	Close();
}

void
FltkDisplay::Close()
{
	if (!fThread.joinable())
		return;
	// The process ends from the screen thread (exit() in FLTK or Xlib):
	// that thread cannot wait for itself.
	if (std::this_thread::get_id() == fThread.get_id()) {
		fThread.detach();
		return;
	}
	{
		std::scoped_lock lock(fLock);
		fQuitting = true;
	}
	Fl::awake(_Wake, this);
	fThread.join();
}

void
FltkDisplay::Update(WindowUpdate update)
{
	if (update.window.kind == WindowKind::Alert && update.window.shown &&
	    !_NoteAlert(update.window)) {
		fprintf(stderr, "%s\n", update.window.alert.text.c_str());
		update.window.target.SendMessage(B_QUIT_REQUESTED);
		return;
	}
	_Queue([update = std::move(update)](FltkScreen& screen) mutable {
		screen.Update(std::move(update));
	});
}

void
FltkDisplay::RemoveWindow(int32 window)
{
	{
		std::scoped_lock lock(fLock);
		fAlerts.erase(window);
	}
	_Queue([this, window](FltkScreen& screen) {
		screen.Remove(window);
		std::scoped_lock lock(fReportLock);
		fReports.erase(window);
		fOrder.Forget(window);
		fReportChanged.notify_all();
	});
}

font_height
FltkDisplay::PlainFontHeight() const
{
	return fMetrics.Height();
}

float
FltkDisplay::StringWidth(const char* text) const
{
	float width;
	std::u32string missing;
	if (fMetrics.Width(text, &width, &missing))
		return width;
	FltkFontMetrics* metrics = const_cast<FltkFontMetrics*>(&fMetrics);
	_Call([metrics, missing](FltkScreen&) { metrics->Measure(missing); }, kMeasureTimeout);
	// Characters the screen could not measure in time count as nothing.
	missing.clear();
	fMetrics.Width(text, &width, &missing);
	return width;
}

bool
FltkDisplay::HasPendingWork() const
{
	std::scoped_lock lock(fLock);
	return !fJobs.empty() || fWakeSent || fWorking;
}

void
FltkDisplay::SetIdentity(const std::string& windowClass,
                         const std::vector<std::vector<uint32_t>>& icons)
{
	_Queue([windowClass, icons](FltkScreen&) { FltkConnection::SetIdentity(windowClass, icons); });
}

std::optional<FltkDisplay::WindowReport>
FltkDisplay::Report(const std::string& title) const
{
	std::scoped_lock lock(fReportLock);
	const WindowReport* report = _Find(title);
	if (report == nullptr)
		return std::nullopt;
	return *report;
}

std::optional<FltkDisplay::WindowReport>
FltkDisplay::WaitFor(const std::string& title,
                     const std::function<bool(const WindowReport&)>& condition,
                     bigtime_t timeout) const
{
	std::unique_lock lock(fReportLock);
	const WindowReport* report = nullptr;
	bool met = fReportChanged.wait_for(lock, std::chrono::microseconds(timeout), [&] {
		report = _Find(title);
		return report != nullptr && condition(*report);
	});
	if (!met)
		return std::nullopt;
	return *report;
}

bool
FltkDisplay::Settle(bigtime_t timeout)
{
	// The first call runs after everything queued before it; the second
	// draws what they changed and waits until the X server has it.
	auto draw = [](FltkScreen&) {
		Fl::flush();
		FltkConnection::Sync();
	};
	return _Call([](FltkScreen&) {}, timeout) && _Call(draw, timeout);
}

void
FltkDisplay::Sync(bigtime_t timeout)
{
	Settle(timeout);
}

bool
FltkDisplay::IsLost() const
{
	std::scoped_lock lock(fLock);
	return fLost;
}

int32
FltkDisplay::Batches() const
{
	std::scoped_lock lock(fLock);
	return fBatches;
}

std::optional<BRect>
FltkDisplay::Frame(const std::string& title, const std::string& label)
{
	auto frame = std::make_shared<std::optional<BRect>>();
	_Call(
	    [frame, title, label](FltkScreen& screen) {
		    if (const FltkWindow* window = screen.Find(title))
			    *frame = window->FrameOf(label);
	    },
	    kMeasureTimeout);
	return *frame;
}

std::optional<std::vector<std::string>>
FltkDisplay::Overflows(const std::string& title)
{
	auto overflows = std::make_shared<std::optional<std::vector<std::string>>>();
	_Call(
	    [overflows, title](FltkScreen& screen) {
		    if (const FltkWindow* window = screen.Find(title))
			    *overflows = window->Overflows();
	    },
	    kMeasureTimeout);
	return *overflows;
}

void
FltkDisplay::_Run(std::promise<std::string>* started)
{
	std::string error;
	if (!FltkConnection::Open(&error)) {
		started->set_value(error);
		return;
	}
	FltkConnection::OnLoss(_Lost, this);
	// The first lock makes the wake-up pipe that Fl::awake() writes to:
	// it must exist before any other thread can ask for work.
	Fl::lock();
	FltkScale::Set(FltkScale::FromDesktop(getenv(FltkScale::kVariable), FltkConnection::Resources(),
	                                      getenv("GDK_SCALE")));
	// The panel background of the kits, for every widget.
	Fl::background(216, 216, 216);
	FltkFontMetrics::Install();
	FltkBoxTypes::Install();
	Fl::scrollbar_size(FltkScale::Pixels(B_V_SCROLL_BAR_WIDTH));
	fMetrics.Measure(FltkFontMetrics::Latin1());
	auto screen =
	    std::make_unique<FltkScreen>([this](const WindowReport& report) { _Reported(report); });
	fScreen = screen.get();
	Fl::add_check(_Check, this);
	started->set_value("");
	for (;;) {
		{
			std::scoped_lock lock(fLock);
			if (fQuitting || fLost)
				break;
		}
		Fl::wait(1e20);
	}
	Fl::remove_check(_Check, this);
	Fl::remove_timeout(_Timeout, this);
	fScreen = nullptr;
	// Windows of a lost screen are left to the process's end: taking them
	// down would talk to a server that is gone.
	if (IsLost())
		screen.release();
	screen.reset();
	Fl::unlock();
}

bool
FltkDisplay::_Queue(Job job) const
{
	bool wake;
	{
		std::scoped_lock lock(fLock);
		if (fLost)
			return false;
		fJobs.push_back(std::move(job));
		wake = !fWakeSent;
		fWakeSent = true;
	}
	if (wake)
		Fl::awake(_Wake, const_cast<FltkDisplay*>(this));
	return true;
}

bool
FltkDisplay::_Call(Job job, bigtime_t timeout) const
{
	if (std::this_thread::get_id() == fThread.get_id()) {
		job(*fScreen);
		return true;
	}
	auto done = std::make_shared<std::promise<void>>();
	std::future<void> finished = done->get_future();
	bool queued = _Queue([job = std::move(job), done](FltkScreen& screen) {
		job(screen);
		done->set_value();
	});
	return queued &&
	       finished.wait_for(std::chrono::microseconds(timeout)) == std::future_status::ready;
}

void
FltkDisplay::_Wake(void* display)
{
	static_cast<FltkDisplay*>(display)->_Schedule();
}

void
FltkDisplay::_Timeout(void* display)
{
	FltkDisplay* self = static_cast<FltkDisplay*>(display);
	self->fTimerSet = false;
	self->_DoWork();
}

// At most one batch a frame: updates that come faster are taken together,
// so the screen draws once a frame however many there are. A frame starts
// with a batch that drew: hidden windows and measuring draw nothing, and
// must not keep the first picture of a window waiting.
void
FltkDisplay::_Schedule()
{
	if (fTimerSet)
		return;
	double since = (Now() - fLastDrawn) / 1e6;
	if (since >= kFrame) {
		_DoWork();
		return;
	}
	fTimerSet = true;
	Fl::add_timeout(kFrame - since, _Timeout, this);
}

void
FltkDisplay::_Check(void* display)
{
	FltkDisplay* self = static_cast<FltkDisplay*>(display);
	bool pending;
	{
		std::scoped_lock lock(self->fLock);
		pending = !self->fJobs.empty();
	}
	if (pending)
		self->_Schedule();
}

void
FltkDisplay::_Lost(void* display)
{
	FltkDisplay* self = static_cast<FltkDisplay*>(display);
	std::map<int32, BMessenger> alerts;
	{
		std::scoped_lock lock(self->fLock);
		if (self->fLost)
			return;
		self->fLost = true;
		alerts.swap(self->fAlerts);
	}
	fprintf(stderr, "Connessione allo schermo interrotta: il programma termina.\n");
	// An alert closed unanswered lets the thread waiting for it go on.
	for (auto& [token, alert] : alerts)
		alert.SendMessage(B_QUIT_REQUESTED);
	// The session is over, as at a hang-up: the application quits and
	// stores its settings.
	BPrivate::SignalWatcher::HangUp();
}

void
FltkDisplay::_DoWork()
{
	// An open menu keeps pointers into the widgets: the work waits until
	// it closes (then _Check() does it).
	if (FltkMenuItems::IsAnyOpen())
		return;
	bigtime_t start = Now();
	std::vector<Job> jobs;
	{
		std::scoped_lock lock(fLock);
		jobs.swap(fJobs);
		fWakeSent = false;
		fWorking = true;
	}
	if (fScreen != nullptr) {
		for (Job& job : jobs)
			job(*fScreen);
		// Once for the whole batch: this is where the widgets change.
		if (fScreen->Sync())
			fLastDrawn = start;
	}
	{
		std::scoped_lock lock(fLock);
		fWorking = false;
		fBatches++;
	}
	LooperList::NoteActivity();
}

bool
FltkDisplay::_NoteAlert(const WindowState& alert)
{
	std::scoped_lock lock(fLock);
	if (fLost)
		return false;
	fAlerts.emplace(alert.token, alert.target);
	return true;
}

void
FltkDisplay::_Reported(const WindowReport& report)
{
	std::scoped_lock lock(fReportLock);
	WindowReport& stored = fReports[report.token];
	bigtime_t firstDrawn = stored.firstDrawn;
	fOrder.Note(report.token, report.shown);
	stored = report;
	stored.firstDrawn = firstDrawn >= 0 || report.draws == 0 ? firstDrawn : Now() - fOpened;
	fReportChanged.notify_all();
}

const FltkDisplay::WindowReport*
FltkDisplay::_Find(const std::string& title) const
{
	auto found = fReports.find(fOrder.Pick([&](int32 window) {
		auto report = fReports.find(window);
		return report != fReports.end() && report->second.title == title;
	}));
	return found != fReports.end() ? &found->second : nullptr;
}
