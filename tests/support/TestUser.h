// TestUser: the person in front of a HeadlessDisplay, for tests. It acts on
// windows by title and on views by name, as it sees them on the display,
// and every action becomes the input message a real screen would post.
//
// Every action first waits until the program is idle (every looper has
// handled everything posted so far and the display has nothing pending),
// so it acts on what the screen shows now; then it acts, and waits again,
// so that the program has reacted when the action returns. A refused
// action (a hidden or blocked window, a view on a tab that is not shown, a
// disabled control, a missing view) posts nothing and fails the test.
// Reading waits first too. Alert buttons are pressed without waiting
// first: while an alert is up, a thread waits in its Go().
//
// Alerts: answers are scripted before the action that shows the alert
// (ExpectAlert). When an alert comes up, the next answer is checked against
// it and its button pressed at once, on the thread that showed it; an alert
// nobody expected, or one that does not match, is a problem (it fails the
// test at the next wait) and its rightmost button, the one Enter presses,
// is pressed, so the program never hangs. An answer of kKeepAlertOpen
// leaves the alert for the test to answer later.
//
// Waits are bounded by MessageLog::kTimeout; running out fails the test.
//
// Threads: used from the test's thread; the alert answers run on the
// threads that show alerts, under a lock of their own.
#ifndef TEST_USER_H
#define TEST_USER_H

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <Message.h>

#include "HeadlessDisplay.h"

class TestUser {
public:
	enum class Modifier { None, Shift, Control };
	static constexpr int32 kKeepAlertOpen = -1;

	// Answers the display's alerts until it is gone.
	explicit TestUser(HeadlessDisplay& display);
	~TestUser();
	TestUser(const TestUser&) = delete;
	TestUser& operator=(const TestUser&) = delete;

	// False, with a test failure, when the program did not come to rest.
	bool WaitIdle();

	bool Click(const std::string& window, const std::string& view);
	// Types the characters one by one: one change each; a character that
	// would take the text over its byte limit is refused.
	bool Type(const std::string& window, const std::string& view, const std::string& text);
	// Replaces the whole text in one change.
	bool SetText(const std::string& window, const std::string& view, const std::string& text);
	bool ClickRow(const std::string& window, const std::string& view, int32 row,
	              Modifier modifier = Modifier::None);
	// The path names a top item of a menu bar and the items below it, or
	// the items of a menu field's menu.
	bool ChooseMenuItem(const std::string& window, const std::string& view,
	                    const std::vector<std::string>& path);
	// By the tab's label.
	bool SelectTab(const std::string& window, const std::string& view, const std::string& label);
	// Drops the entries at the paths under "refs", as a file manager does.
	bool DropFiles(const std::string& window, const std::string& view,
	               const std::vector<std::string>& paths);
	// Drops a copy of the message, whatever it holds.
	bool Drop(const std::string& window, const std::string& view, const BMessage& drop);
	bool ClickCloseBox(const std::string& window);
	// A key pressed while the view has the focus: bytes as a key-down
	// carries them (a character, or a key code of InterfaceDefs.h).
	bool PressKey(const std::string& window, const std::string& view, const std::string& bytes,
	              uint32 modifiers = 0);
	// File panels, by title: the entries must exist and suit the panel's
	// node flavours and selection mode.
	bool ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths);
	bool ConfirmSavePanel(const std::string& panel, const std::string& directory,
	                      const std::string& name);
	bool CancelPanel(const std::string& panel);

	// The next alert must have this title and text; the button is pressed
	// when it comes up (kKeepAlertOpen leaves it open).
	void ExpectAlert(const std::string& title, const std::string& text, int32 button);
	bool PressAlertButton(const std::string& alert, int32 button);
	// Answers still waiting for their alerts.
	int32 CountExpectedAlerts() const;
	// The problems with alerts since the last call; they no longer fail
	// the test.
	std::vector<std::string> TakeProblems();

	// Why the user could not do the action (one call of this user's),
	// empty when it was done. It neither waits nor fails the test: for
	// checking refusals, also while a looper waits in an alert's Go().
	std::string Refusal(const std::function<void()>& action);

	// What the display shows. A missing view or window fails the test and
	// gives an empty state.
	BPrivate::ViewState View(const std::string& window, const std::string& view);
	BPrivate::WindowState Window(const std::string& title);
	bool IsShown(const std::string& title);
	// Titles of the shown windows, in order of creation.
	std::vector<std::string> ShownWindows();
	// The label of the marked item of a menu field or of a menu bar's
	// menu (path of labels down to it); empty when none is marked.
	std::string MarkedItem(const std::string& window, const std::string& view,
	                       const std::vector<std::string>& path = {});
	// A view's frame in its window's coordinates.
	BRect FrameInWindow(const std::string& window, const std::string& view);

private:
	struct ExpectedAlert {
		std::string title;
		std::string text;
		int32 button;
	};

	// An action checks what it reached and adds the messages to post; it
	// returns why it could not be done, empty when done.
	using Posts = std::vector<BMessage>;
	using WindowAction = std::function<std::string(const HeadlessWindow& window, Posts* posts)>;
	using ViewAction = std::function<std::string(const HeadlessWindow& window,
	                                             const BPrivate::ViewState& view, Posts* posts)>;
	bool _OnWindow(const std::string& title, BPrivate::WindowKind kind, const WindowAction& action);
	bool _OnView(const std::string& window, const std::string& view, bool mustBeEnabled,
	             const ViewAction& action);
	bool _Refused(const std::string& reason);
	static BMessage& _Post(Posts* posts, uint32 what, const BPrivate::ViewState& view);

	void _Observe(const BPrivate::WindowState& window, bool cameUp);
	int32 _Answer(const BPrivate::WindowState& alert);

	HeadlessDisplay& fDisplay;
	// Per list view, the row a shift-click extends the selection from.
	std::map<int32, int32> fAnchors;
	bool fAtOnce;
	std::string fRefusal;

	mutable std::mutex fAlertLock;
	std::deque<ExpectedAlert> fExpectedAlerts;
	std::vector<std::string> fProblems;
};

#endif // TEST_USER_H
