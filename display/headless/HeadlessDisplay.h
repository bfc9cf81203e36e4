// HeadlessDisplay: a display that keeps every window in memory, for tests.
// A test "user" reads what it shows and acts on it by window title and view
// name; every action becomes the input message a real screen would post.
//
// Measures: a FixedFont, the reference font unless SetFont() installs
// another, so tests can show that geometry rules hold for any font.
//
// Alerts: answers are scripted before the action that shows the alert
// (ExpectAlert). When an alert is shown, the next answer is checked against
// it and its button pressed at once; an alert nobody expected, or one that
// does not match, is recorded as a problem and its rightmost button (the one
// Enter presses) is pressed, so the program never hangs. An answer with
// kKeepAlertOpen leaves the alert for the test to answer later.
//
// Modal windows: an action on a window that a shown modal window blocks
// fails, as do actions on hidden windows, views on unselected tabs and
// disabled controls.
//
// Threads: every function may be called from any thread. One mutex guards
// the state; messages are posted after it is released. Updates are applied
// at once, so the display never has pending work.
#ifndef HEADLESS_DISPLAY_H
#define HEADLESS_DISPLAY_H

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <Display.h>
#include <FixedFont.h>
#include <Message.h>

class HeadlessDisplay : public BPrivate::Display {
public:
	HeadlessDisplay();
	~HeadlessDisplay() override;

	void Update(BPrivate::WindowUpdate update) override;
	void RemoveWindow(int32 window) override;
	font_height PlainFontHeight() const override;
	float StringWidth(const char* text) const override;
	bool HasPendingWork() const override;

	void SetFont(const BPrivate::FixedFont& font);

	// How many updates have arrived so far.
	int32 UpdateCount() const;

	// Every window the display knows, shown or not, in order of creation.
	std::vector<BPrivate::WindowState> Windows() const;
	// The window with that title, the one shown last when several have
	// it.
	std::optional<BPrivate::WindowState> FindWindow(const std::string& title) const;
	// The first view with that name in the window, in tree order.
	std::optional<BPrivate::ViewState> FindView(const std::string& window,
	                                            const std::string& view) const;
	// The view's frame in its window's coordinates.
	std::optional<BRect> FrameInWindow(const std::string& window, const std::string& view) const;
	// Waits until a window with that title is shown; false when the
	// timeout (microseconds) runs out first. For tests that cannot wait
	// for idleness, as while an alert blocks a window's thread.
	bool WaitForShown(const std::string& title, bigtime_t timeout) const;

	// Actions. Each returns an empty string when done, else why it could
	// not be done (nothing is posted then).
	enum class Modifier { None, Shift, Control };
	std::string Click(const std::string& window, const std::string& view);
	// Types the characters one by one: one change each; a character that
	// would take the text over its byte limit is refused.
	std::string Type(const std::string& window, const std::string& view, const std::string& text);
	// Replaces the whole text in one change.
	std::string SetText(const std::string& window, const std::string& view,
	                    const std::string& text);
	std::string ClickRow(const std::string& window, const std::string& view, int32 row,
	                     Modifier modifier = Modifier::None);
	// The path names a top item of a menu bar and the items below it, or
	// the items of a menu field's menu.
	std::string ChooseMenuItem(const std::string& window, const std::string& view,
	                           const std::vector<std::string>& path);
	std::string SelectTab(const std::string& window, const std::string& view, int32 index);
	// Drops a copy of the message (its "what" is replaced); DropFiles
	// drops the entries at the paths under "refs".
	std::string Drop(const std::string& window, const std::string& view, const BMessage& drop);
	std::string DropFiles(const std::string& window, const std::string& view,
	                      const std::vector<std::string>& paths);
	std::string ClickCloseBox(const std::string& window);
	// File panels, by title: the entries must exist and suit the panel's
	// node flavours and selection mode.
	std::string ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths);
	std::string ConfirmSavePanel(const std::string& panel, const std::string& directory,
	                             const std::string& name);
	std::string CancelPanel(const std::string& panel);

	static constexpr int32 kKeepAlertOpen = -1;
	void ExpectAlert(const std::string& title, const std::string& text, int32 button);
	std::string PressAlertButton(const std::string& alert, int32 button);
	int32 CountExpectedAlerts() const;
	// Alerts that were not expected or did not match, since the last call.
	std::vector<std::string> TakeProblems();

private:
	struct WindowRecord {
		BPrivate::WindowState state;
		std::map<int32, BPrivate::ViewState> views;
		std::map<int32, int32> anchors;
		uint64 shownOrder = 0;
	};
	struct ExpectedAlert {
		std::string title;
		std::string text;
		int32 button;
	};
	struct AlertAnswer {
		BMessenger target;
		int32 button;
	};

	const WindowRecord* _FindWindow(const std::string& title) const;
	const BPrivate::ViewState* _FindView(const WindowRecord& window, const std::string& name) const;
	const BPrivate::ViewState* _FindView(const WindowRecord& window,
	                                     const std::vector<int32>& tokens,
	                                     const std::string& name) const;
	bool _IsBlocked(const WindowRecord& window) const;
	bool _IsOnHiddenTab(const WindowRecord& window, const BPrivate::ViewState& view) const;
	std::string _ReachWindow(const std::string& title, BPrivate::WindowKind kind,
	                         WindowRecord** window);

	// An action checks what it reached, may change the display's own copy
	// and adds the messages to post; an error stops it. The messages are
	// posted after the lock is released.
	using Posts = std::vector<BMessage>;
	using WindowAction = std::function<std::string(WindowRecord& window, Posts* posts)>;
	using ViewAction =
	    std::function<std::string(WindowRecord& window, BPrivate::ViewState& view, Posts* posts)>;
	std::string _ActOnWindow(const std::string& title, BPrivate::WindowKind kind,
	                         const WindowAction& action);
	std::string _ActOnView(const std::string& window, const std::string& view, bool mustBeEnabled,
	                       const ViewAction& action);
	static BMessage& _Post(Posts* posts, uint32 what, const BPrivate::ViewState& view);
	AlertAnswer _AnswerAlert(const BPrivate::WindowState& alert);

	mutable std::mutex fLock;
	mutable std::condition_variable fChanged;
	BPrivate::FixedFont fFont;
	std::map<int32, WindowRecord> fWindows;
	std::vector<int32> fCreationOrder;
	uint64 fShownCounter;
	int32 fUpdateCount;
	std::deque<ExpectedAlert> fExpectedAlerts;
	std::vector<std::string> fProblems;
};

#endif // HEADLESS_DISPLAY_H
