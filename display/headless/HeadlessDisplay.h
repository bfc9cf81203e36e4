// HeadlessDisplay: a display that keeps every window in memory, for tests.
// It takes the kits' updates and answers questions about what it shows:
// which windows, where, and every view's state by view name. The person in
// front of it, who acts on what it shows, is the tests' TestUser.
//
// Measures: a FixedFont, the reference font unless SetFont() installs
// another, so tests can show that geometry rules hold for any font.
//
// Modal windows: while one is shown, the display gives input only to the
// modal window shown last (IsBlocked() tells).
//
// Threads: every function may be called from any thread. One mutex guards
// the state. Updates are applied at once, so the display never has pending
// work. The observer is called outside that mutex, one call at a time.
#ifndef HEADLESS_DISPLAY_H
#define HEADLESS_DISPLAY_H

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <Display.h>
#include <FixedFont.h>
#include <WindowOrder.h>

#include "HeadlessWindow.h"

class HeadlessDisplay : public BPrivate::Display {
public:
	// Called after each update is applied, with the window's new state;
	// cameUp is true when the window came up with it. It runs on the
	// thread that handed over the update, often with a window locked, so
	// like the display it must never lock a looper or wait for one.
	using Observer = std::function<void(const BPrivate::WindowState& window, bool cameUp)>;

	HeadlessDisplay();
	~HeadlessDisplay() override;

	void Update(BPrivate::WindowUpdate update) override;
	void RemoveWindow(int32 window) override;
	font_height PlainFontHeight() const override;
	float StringWidth(const char* text) const override;
	bool HasPendingWork() const override;

	void SetFont(const BPrivate::FixedFont& font);
	// One observer at a time; an empty one removes it. Returns once no
	// call of the one before is running.
	void SetObserver(Observer observer);

	// How many updates have arrived so far.
	int32 UpdateCount() const;
	// Waits until more than count updates have arrived; false when the
	// timeout (microseconds) runs out first.
	bool WaitForUpdate(int32 count, bigtime_t timeout) const;

	// Every window the display knows, shown or not, in order of creation.
	std::vector<BPrivate::WindowState> Windows() const;
	// The window with that title, the one shown last when several have
	// it (as BPrivate::WindowOrder picks).
	std::optional<BPrivate::WindowState> FindWindow(const std::string& title) const;
	// A copy of that window with its views, for questions about several
	// of them at once.
	std::optional<HeadlessWindow> Snapshot(const std::string& title) const;
	// The first view with that name in the window, in tree order.
	std::optional<BPrivate::ViewState> FindView(const std::string& window,
	                                            const std::string& view) const;
	// The view's frame in its window's coordinates.
	std::optional<BRect> FrameInWindow(const std::string& window, const std::string& view) const;
	// Whether a shown modal window keeps the input from this one.
	bool IsBlocked(int32 window) const;
	// Waits until a window with that title is shown; false when the
	// timeout (microseconds) runs out first. For tests that cannot wait
	// for idleness, as while an alert blocks a window's thread.
	bool WaitForShown(const std::string& title, bigtime_t timeout) const;

private:
	const HeadlessWindow* _FindWindow(const std::string& title) const;

	mutable std::mutex fLock;
	mutable std::condition_variable fChanged;
	BPrivate::FixedFont fFont;
	std::map<int32, HeadlessWindow> fWindows;
	BPrivate::WindowOrder fOrder;
	int32 fUpdateCount;

	// Held while the observer runs.
	std::mutex fObserverLock;
	Observer fObserver;
};

#endif // HEADLESS_DISPLAY_H
