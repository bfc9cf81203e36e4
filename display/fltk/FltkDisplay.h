// FltkDisplay: the display on a real X screen, drawn with FLTK.
//
// Threads: one thread of its own, the screen thread, runs the FLTK loop and
// is the only thread that ever calls FLTK or X. Kit threads hand it work
// (window updates, removals, measuring) through a queue of our own and one
// FLTK wake-up per batch, never a wake-up per item; the screen thread takes
// the whole queue at once, at most once a frame, applies every update in it
// and only then brings the widgets in line, so that many updates in a row
// cost one redraw a frame. User
// input only posts messages to the kit windows: the screen thread never
// locks a looper and never waits for one.
//
// When the connection to the X server breaks, the screen thread says so in
// one line, asks the application to quit as a hang-up does, and ends
// without touching X again; later work is dropped. No alert can be answered
// from then on: each one open, or shown later, is closed unanswered, and
// the text of one shown later goes to the standard error.
//
// One FltkDisplay per process: FLTK keeps global state that cannot be set
// up twice. The kits use it once it is current (Display::SetCurrent()); the
// program installs it through FltkDriver.
//
// For tests and tools, Report() and WaitFor() tell what the screen shows
// (X window ids, draws), Settle() waits for the screen to catch up, and
// Frame() tells where a widget with a label is and Overflows() which texts
// do not fit, all without an FLTK type.
#ifndef FLTK_DISPLAY_H
#define FLTK_DISPLAY_H

#include <condition_variable>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "FltkFontMetrics.h"
#include <Display.h>
#include <WindowOrder.h>

class FltkScreen;

class FltkDisplay : public BPrivate::Display {
public:
	// What the screen shows of one window.
	struct WindowReport {
		int32 token = 0;
		std::string title;
		bool shown = false;
		// The X window; 0 while hidden.
		uint64 xid = 0;
		// How often the window was drawn, and its list views.
		int32 draws = 0;
		int32 listDraws = 0;
		// Microseconds from the opening of the display to the first draw.
		bigtime_t firstDrawn = -1;
	};

	// Opens the screen named by DISPLAY and starts the screen thread;
	// null, with a one-line reason in *error, when there is none.
	static std::unique_ptr<FltkDisplay> Open(std::string* error);
	~FltkDisplay() override;
	// Ends the screen thread; the destructor does it too.
	void Close();

	void Update(BPrivate::WindowUpdate update) override;
	void RemoveWindow(int32 window) override;
	font_height PlainFontHeight() const override;
	float StringWidth(const char* text) const override;
	bool HasPendingWork() const override;
	// Settle(), for the kits.
	void Sync(bigtime_t timeout) override;
	// True once the connection to the X server has broken.
	bool IsLost() const;

	// The class and the icons of every window shown from now on (see
	// FltkDriver::Identity).
	void SetIdentity(const std::string& windowClass,
	                 const std::vector<std::vector<uint32_t>>& icons);

	// The report of the window shown last with that title.
	std::optional<WindowReport> Report(const std::string& title) const;
	// Waits until the window shown last with that title satisfies the
	// condition; its report, or nothing when the timeout (microseconds)
	// runs out first.
	std::optional<WindowReport> WaitFor(const std::string& title,
	                                    const std::function<bool(const WindowReport&)>& condition,
	                                    bigtime_t timeout) const;
	// Waits until everything handed to the display so far is applied and
	// drawn; false when the timeout (microseconds) runs out first.
	bool Settle(bigtime_t timeout);
	// The frame, in the window's coordinates, of the first widget of that
	// window (by title) whose label is label.
	std::optional<BRect> Frame(const std::string& title, const std::string& label);
	// How many batches of work the screen thread has applied so far; a
	// window is drawn at most once a batch.
	int32 Batches() const;
	// The texts of that window (by title) that the screen cuts, because
	// they are wider or higher than the place it has for them; nothing
	// when there is no such window.
	std::optional<std::vector<std::string>> Overflows(const std::string& title);

private:
	using Job = std::function<void(FltkScreen& screen)>;

	FltkDisplay();

	void _Run(std::promise<std::string>* started);
	// False, with the job dropped, when the screen is lost.
	bool _Queue(Job job) const;
	// Runs the job on the screen thread and waits for it, at most timeout
	// microseconds; false when it did not run in time.
	bool _Call(Job job, bigtime_t timeout) const;
	static void _Wake(void* display);
	static void _Timeout(void* display);
	static void _Check(void* display);
	static void _Lost(void* display);
	void _Schedule();
	void _DoWork();
	void _Reported(const WindowReport& report);
	// Keeps note of a shown alert; false, when the screen is lost.
	bool _NoteAlert(const BPrivate::WindowState& alert);
	const WindowReport* _Find(const std::string& title) const;

	FltkFontMetrics fMetrics;
	bigtime_t fOpened;

	// The queue: measuring a text from a const function may queue work.
	mutable std::mutex fLock;
	mutable std::vector<Job> fJobs;
	mutable bool fWakeSent;
	bool fWorking;
	int32 fBatches;
	bool fQuitting;
	bool fLost;
	std::thread fThread;
	// Touched on the screen thread only.
	FltkScreen* fScreen;
	bigtime_t fLastDrawn;
	bool fTimerSet;

	mutable std::mutex fReportLock;
	mutable std::condition_variable fReportChanged;
	std::map<int32, WindowReport> fReports;
	// The alerts on the screen, to close should it be lost; under fLock.
	std::map<int32, BMessenger> fAlerts;
	BPrivate::WindowOrder fOrder;
};

#endif // FLTK_DISPLAY_H
