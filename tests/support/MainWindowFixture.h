// MainWindowFixture: the main window built as the application builds it,
// on a HeadlessDisplay, for the tests of the window and its pages.
//
// The application object exists (be_app, with its default settings, which
// a test may change before Start()) but does not run: what is posted to it
// stays queued. The window is built in the test's thread, as the
// application's thread builds it, and shown; from then on the test's
// thread plays the application's thread and the user.
#ifndef MAIN_WINDOW_FIXTURE_H
#define MAIN_WINDOW_FIXTURE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <EntryRef.h>
#include <Rect.h>

#include "HeadlessFixture.h"

class MainWindow;
class VFApp;

class MainWindowFixture : public HeadlessFixture {
public:
	static const char* const kTitle;
	// A font other than the reference one, to show that geometry rules
	// hold for any font.
	static const BPrivate::FixedFont kLargeFont;

	// The frame a control of that kind and label takes at its preferred
	// size from that left-top corner.
	template <typename Control>
	static BRect
	PreferredFrame(float left, float top, const char* label)
	{
		Control twin(BRect(left, top, left + 1, top + 1), "Twin", label, nullptr);
		twin.ResizeToPreferred();
		return twin.Frame();
	}

protected:
	MainWindowFixture();
	~MainWindowFixture() override;

	void SetUp() override;
	void TearDown() override;

	// Builds the window with the list file to open, or none, and shows it.
	void Start(const entry_ref* listFile = nullptr);
	// Runs the action with the window locked, once the program is idle.
	void Locked(const std::function<void()>& action);
	// The rows of the files list as the display shows them.
	std::vector<std::string> Rows();

	std::unique_ptr<VFApp> app;
	MainWindow* window = nullptr;
};

#endif // MAIN_WINDOW_FIXTURE_H
