// FltkScreen: every kit window on the screen, as FLTK windows.
//
// Threads: it lives on the screen thread and is only used there. Updates
// are kept as they come (Update(), Remove()); Sync() then brings the FLTK
// windows in line with all of them at once.
#ifndef FLTK_SCREEN_H
#define FLTK_SCREEN_H

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FltkDisplay.h"

class FltkWindow;

class FltkScreen {
public:
	using Reporter = std::function<void(const FltkDisplay::WindowReport& report)>;

	// The reporter hears of every window that was shown, hidden or
	// drawn.
	explicit FltkScreen(Reporter reporter);
	~FltkScreen();
	FltkScreen(const FltkScreen&) = delete;
	FltkScreen& operator=(const FltkScreen&) = delete;

	void Update(BPrivate::WindowUpdate update);
	void Remove(int32 window);
	// True when a window on the screen changed: the batch drew something.
	bool Sync();

	// The window shown with that title (or, when none is, a hidden one);
	// null when there is none.
	const FltkWindow* Find(const std::string& title) const;

private:
	void _Report(FltkWindow& window);
	// The window a dialog belongs to: the window (not itself a dialog)
	// shown last and still shown; null when there is none.
	const FltkWindow* _OwnerFor(const FltkWindow& dialog) const;

	Reporter fReporter;
	std::map<int32, std::unique_ptr<FltkWindow>> fWindows;
	std::set<int32> fChanged;
	// The shown windows, in the order they came up.
	std::vector<int32> fShown;
};

#endif // FLTK_SCREEN_H
