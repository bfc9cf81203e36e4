// FltkWindow: one kit window on the screen, with a widget for each of its
// views (FltkWidget).
//
// Apply() keeps what an update says; Sync() brings the widgets in line with
// everything kept since the last Sync(), then redraws the window once. A
// view's widget lies at the sum of the frames down the view tree, mapped to
// the screen by the display's factor (FltkScale) as a whole; a view on a tab
// that is not selected is hidden with its children.
//
// Look and feel: a modal feel makes the window modal in FLTK, so that the
// program's other windows take no input while it is shown, and it stays
// above them; a window that cannot be closed asks the window manager for no
// close box, and ignores a close request all the same. No window can be
// resized (the kits have no input for it); moving it posts its new corner.
// Escape never closes a window.
//
// Keyboard: Tab and Shift+Tab move the focus through the widgets in the
// order of the view tree (FLTK's), skipping what is hidden or disabled; when
// the focused widget goes (hidden with its tab, disabled, removed) the focus
// moves to the first widget that takes it. Ctrl+Tab, Ctrl+Page Down and
// their reverses (Shift, Page Up) choose the next tab of the window's tab
// view, F10 opens the first menu of its menu bar. A key that nothing on the
// screen uses goes to the kits as a key-down for the focused view.
//
// Dialogs (alerts, file panels and modal windows) belong to an owner, the
// window the screen gives them when they are synced (SetOwner()): they are
// transient for it and of the dialog type for the window manager, and a
// modal one is marked modal.
//
// Alerts and file panels build their own widgets (SyncContent()).
//
// Threads: screen thread only.
#ifndef FLTK_WINDOW_H
#define FLTK_WINDOW_H

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <FL/Fl_Double_Window.H>

#include <DisplayState.h>

class FltkWidget;

class FltkWindow : public Fl_Double_Window {
public:
	// Hears of every show, hide and draw.
	using Listener = std::function<void(FltkWindow& window)>;

	FltkWindow(const BPrivate::WindowState& state, Listener listener);
	~FltkWindow() override;
	FltkWindow(const FltkWindow&) = delete;
	FltkWindow& operator=(const FltkWindow&) = delete;

	void Apply(BPrivate::WindowUpdate update);
	// The window this one belongs to; null for none.
	void SetOwner(const FltkWindow* owner);
	const FltkWindow* Owner() const;
	bool IsDialog() const;
	void Sync();

	// Posts input to the kit window.
	void Post(BMessage* message) const;

	const BPrivate::WindowState& State() const;
	int32 Draws() const;
	int32 ListDraws() const;
	void NoteListDrawn();
	// The first widget with that label, in the window's coordinates.
	std::optional<BRect> FrameOf(const std::string& label) const;
	// The texts of the shown widgets that do not fit their room.
	std::vector<std::string> Overflows() const;

	int handle(int event) override;
	void flush() override;
	void resize(int x, int y, int width, int height) override;

protected:
	// Brings the widgets in line with the state; by default those of the
	// views.
	virtual void SyncContent();
	// Where the window goes and how large it is, on the screen.
	virtual void ScreenFrame(int* x, int* y, int* width, int* height) const;
	// The close box was clicked, or Escape pressed.
	virtual void CloseRequested(bool escape);

private:
	static void _Closed(Fl_Widget* widget, void* data);
	void _Place(const std::vector<int32>& tokens, BPoint origin, bool visible,
	            const BPrivate::ViewState* parent, const std::set<int32>& hiddenPages);
	BRect _Placement() const;
	std::set<int32> _HiddenPages() const;
	// The window's own keys (tabs, menu bar); false for any other key.
	bool _WindowKey();
	// The first shown widget of that class.
	template <class Widget> Widget* _Find() const;
	// Whether this window has a focused widget that can keep the focus.
	bool _HasFocus() const;
	void _FocusFirst();

	BPrivate::WindowState fState;
	Listener fListener;
	const FltkWindow* fOwner;
	std::map<int32, BPrivate::ViewState> fViews;
	std::map<int32, std::unique_ptr<FltkWidget>> fWidgets;
	std::set<int32> fDirty;
	bool fTreeChanged;
	// The frame last taken from the state, and whether the window is
	// being put there.
	BRect fPlaced;
	bool fPlacing;
	int32 fDraws;
	int32 fListDraws;
};

#endif // FLTK_WINDOW_H
