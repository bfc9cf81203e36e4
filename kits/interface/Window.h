// BWindow: a looper with a tree of views that the display shows.
//
// Threads and locks: as every looper, a new window is locked by the thread
// that built it; the first Show() starts its thread and releases that lock.
// The window's views are read and written with the window locked. Show(),
// Hide(), MoveTo(), ResizeTo(), SetTitle() and Frame() lock the window
// themselves, as on BeOS, so they may be called from any thread.
//
// Display: the window collects the changes of its views and of itself and,
// in its own thread, sends them to the display as one update (an internal
// message it posts to itself at the first change). The display's input
// arrives as messages to the window; the window applies each to its view,
// which then does what it does (invoke, notify, select).
//
// Lifetime: the window owns its views. Quit() ends it as any looper; the
// display forgets it when it is deleted.
#ifndef _WINDOW_H
#define _WINDOW_H

#include <atomic>
#include <set>
#include <string>
#include <vector>

#include <InterfaceDefs.h>
#include <Looper.h>
#include <Rect.h>

class BView;
namespace BPrivate {
struct WindowState;
}

class BWindow : public BLooper {
public:
	BWindow(BRect frame, const char* title, window_type type, uint32 flags,
	        uint32 workspace = B_CURRENT_WORKSPACE);
	BWindow(BRect frame, const char* title, window_look look, window_feel feel, uint32 flags,
	        uint32 workspace = B_CURRENT_WORKSPACE);
	~BWindow() override;

	thread_id Run() override;
	void DispatchMessage(BMessage* message, BHandler* handler) override;

	// Shows and hides nest: a window is hidden while it was hidden more
	// often than shown. A new window is hidden once.
	virtual void Show();
	virtual void Hide();
	bool IsHidden() const;

	void MoveTo(BPoint where);
	void MoveTo(float x, float y);
	void MoveBy(float dx, float dy);
	void ResizeTo(float width, float height);
	void ResizeBy(float dx, float dy);
	// On the screen.
	BRect Frame() const;
	BRect Bounds() const;

	void SetTitle(const char* title);
	const char* Title() const;
	window_look Look() const;
	window_feel Feel() const;
	uint32 Flags() const;
	uint32 Workspaces() const;

	void AddChild(BView* child, BView* before = nullptr);
	bool RemoveChild(BView* child);
	int32 CountChildren() const;
	BView* ChildAt(int32 index) const;
	// Searches every view of the window.
	BView* FindView(const char* name) const;

	// Sends what changed to the display at once instead of at the end of
	// the message being handled. Needs the window locked.
	void UpdateIfNeeded();
	// Sends what changed and waits until the display has shown it (a
	// second at most). Needs the window locked.
	void Sync();

protected:
	// Adds the window's own state to the snapshot the display gets; kit
	// windows with a kind of their own (alerts, file panels) extend it.
	virtual void FillState(BPrivate::WindowState* state) const;
	// Something the display shows of the window itself changed.
	void WindowChanged();

private:
	friend class BView;

	void _ViewChanged(BView* view);
	void _ViewRemoved(BView* view);
	void _ScheduleUpdate();
	void _CollectDirty(BView* view, std::vector<BView*>* dirty) const;
	void _HandleInput(BMessage* input);

	std::string fTitle;
	BRect fFrame;
	window_look fLook;
	window_feel fFeel;
	uint32 fFlags;
	uint32 fWorkspaces;
	std::atomic<int32> fShowLevel;
	std::atomic<bool> fRunning;
	BView* fTopView;
	std::set<BView*> fDirtyViews;
	std::vector<int32> fRemovedViews;
	bool fUpdatePending;
	bool fClosing;
};

#endif // _WINDOW_H
