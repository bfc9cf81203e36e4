// TestUser: the person in front of a HeadlessDisplay, for tests. It acts on
// windows by title and on views by name, and reads what the display shows.
//
// Every action first waits until the program is idle (every looper has
// handled everything posted so far and the display has nothing pending),
// so it acts on what the screen shows now; then it acts, and waits again,
// so that the program has reacted when the action returns. A refused
// action (a hidden or blocked window, a disabled control, a missing view)
// fails the test. Reading waits first too.
//
// Waits are bounded by MessageLog::kTimeout; running out fails the test.
// Alerts that the display did not expect fail the test at the next wait.
//
// Threads: used from the test's thread.
#ifndef TEST_USER_H
#define TEST_USER_H

#include <optional>
#include <string>
#include <vector>

#include <Message.h>

#include "HeadlessDisplay.h"

class TestUser {
public:
	using Modifier = HeadlessDisplay::Modifier;

	explicit TestUser(HeadlessDisplay& display);

	// False, with a test failure, when the program did not come to rest.
	bool WaitIdle();

	bool Click(const std::string& window, const std::string& view);
	bool Type(const std::string& window, const std::string& view, const std::string& text);
	bool SetText(const std::string& window, const std::string& view, const std::string& text);
	bool ClickRow(const std::string& window, const std::string& view, int32 row,
	              Modifier modifier = Modifier::None);
	bool ChooseMenuItem(const std::string& window, const std::string& view,
	                    const std::vector<std::string>& path);
	// By the tab's label.
	bool SelectTab(const std::string& window, const std::string& view, const std::string& label);
	bool DropFiles(const std::string& window, const std::string& view,
	               const std::vector<std::string>& paths);
	bool Drop(const std::string& window, const std::string& view, const BMessage& drop);
	bool ClickCloseBox(const std::string& window);
	bool ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths);
	bool ConfirmSavePanel(const std::string& panel, const std::string& directory,
	                      const std::string& name);
	bool CancelPanel(const std::string& panel);

	// The next alert must have this title and text; the button is pressed
	// at once (HeadlessDisplay::kKeepAlertOpen leaves it open).
	void ExpectAlert(const std::string& title, const std::string& text, int32 button);
	bool PressAlertButton(const std::string& alert, int32 button);

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
	bool _Do(const std::string& error);

	HeadlessDisplay& fDisplay;
};

#endif // TEST_USER_H
