// HeadlessWindow: one window as the headless display keeps it, its state
// and its views, with the questions about its tree of views.
//
// A copy is a cheap snapshot: the views are shared, and an update replaces
// a view's state whole instead of changing it.
//
// Threads: none of its own. The display guards its windows with its lock;
// a copy belongs to whoever holds it.
#ifndef HEADLESS_WINDOW_H
#define HEADLESS_WINDOW_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <DisplayState.h>

class HeadlessWindow {
public:
	// Takes the window's new state, the views that changed and those that
	// left.
	void Apply(BPrivate::WindowUpdate update);

	const BPrivate::WindowState& State() const;
	// Null when no view of the window has that token.
	const BPrivate::ViewState* View(int32 token) const;
	// The first view with that name, in tree order; null when none has it.
	const BPrivate::ViewState* FindView(const std::string& name) const;
	// The view's frame in the window's coordinates.
	BRect FrameInWindow(const BPrivate::ViewState& view) const;
	// Whether the view is on a page of a tab view whose tab is not
	// selected, so that nobody sees it.
	bool IsOnHiddenTab(const BPrivate::ViewState& view) const;

private:
	const BPrivate::ViewState* _FindView(const std::vector<int32>& tokens,
	                                     const std::string& name) const;

	BPrivate::WindowState fState;
	std::map<int32, std::shared_ptr<const BPrivate::ViewState>> fViews;
};

#endif // HEADLESS_WINDOW_H
