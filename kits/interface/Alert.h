// BAlert: a small modal window with a text and up to three buttons.
//
// Go() shows the alert and blocks the calling thread until the user presses
// a button, then returns its index (0 for the leftmost) and deletes the
// alert: do not touch it afterwards. Other loopers keep running meanwhile.
// An alert asked to quit (the application's quit round) ends Go() with -1.
// Called from a window's thread (with that window locked), Go() first sends
// the window's pending changes to the display, so the screen shows what led
// to the alert.
//
// The title names the alert; the display need not show it. The icon
// follows the alert type (stop, info...). A button may have a key that
// presses it (SetShortcut(), B_ESCAPE for the one that cancels); Enter
// presses the last button, and Escape the only one of an alert that has
// one.
#ifndef _ALERT_H
#define _ALERT_H

#include <future>
#include <string>
#include <vector>

#include <Window.h>

class BAlert : public BWindow {
public:
	BAlert(const char* title, const char* text, const char* button0, const char* button1 = nullptr,
	       const char* button2 = nullptr, button_width width = B_WIDTH_AS_USUAL,
	       alert_type type = B_INFO_ALERT);
	~BAlert() override;

	int32 Go();

	void MessageReceived(BMessage* message) override;
	bool QuitRequested() override;

	const char* Text() const;
	int32 CountButtons() const;
	alert_type Type() const;
	// The key that presses the button; 0 for none.
	void SetShortcut(int32 index, char key);
	char Shortcut(int32 index) const;

protected:
	void FillState(BPrivate::WindowState* state) const override;

private:
	void _Answer(int32 index);

	std::string fText;
	std::vector<std::string> fButtons;
	std::vector<char> fShortcuts;
	button_width fButtonWidth;
	alert_type fType;
	std::promise<int32> fPressed;
	bool fAnswered;
};

#endif // _ALERT_H
