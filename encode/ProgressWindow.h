// ProgressWindow: the small window that stays up while an encoding run is in
// progress. It names the file being encoded and its number, and offers
// "Salta file" and "Ferma codifica", whose messages (SKIP, STOP) go to the
// window given to the constructor, the main window: this window keeps no
// run state and handles no command itself.
//
// The main window builds it once, runs it at once and leaves it hidden; the
// encoding run sets its texts and buttons (with this window locked), shows,
// moves and hides it. Its feel makes it modal to the application while it
// is shown, and it has no close box.
#ifndef PROGRESS_WINDOW_H
#define PROGRESS_WINDOW_H

#include <Window.h>

class BButton;
class BStringView;
class BView;

class ProgressWindow : public BWindow {
public:
	explicit ProgressWindow(BWindow* target);

	ProgressWindow(const ProgressWindow&) = delete;
	ProgressWindow& operator=(const ProgressWindow&) = delete;

	BView* backView;
	BStringView* fileNameView;
	BStringView* fileNumberView;
	BButton* skipButton;
	BButton* stopButton;
};

#endif // PROGRESS_WINDOW_H
