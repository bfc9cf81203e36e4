// ProgressWindow: the small window that stays up while an encoding run is in
// progress. It names the file being encoded and its number, shows how far
// the file and the whole run have come, with the time left, and offers
// "Salta file" and "Ferma codifica", whose messages (SKIP, STOP) go to the
// window given to the constructor, the main window: this window keeps no
// run state and handles no command itself.
//
// Its layout follows how many encoders the run keeps going. With one (as
// built): the caption, the file's name ("FileName") and number
// ("FileNumber"), the file's bar ("FileBar"), the run's bar ("RunBar"),
// then "Salta file" and "Ferma codifica". With more: the caption, the
// number, then a row per encoder (its bar "FileBar1", "FileBar2", ... with
// the file's name as its text, and a "Salta" button "Skip1", "Skip2", ...
// that sends SKIP with "slot", the row's index from 0), the run's bar and
// "Ferma codifica"; fileNameView and skipButton are null then.
//
// The main window builds it once, runs it at once and leaves it hidden; the
// encoding run lays it out, sets its texts, bars and buttons (with this
// window locked), shows, moves and hides it. Its feel makes it modal to the
// application while it is shown, and it has no close box.
#ifndef PROGRESS_WINDOW_H
#define PROGRESS_WINDOW_H

#include <vector>

#include <Window.h>

class BButton;
class BStatusBar;
class BStringView;
class BView;

class ProgressWindow : public BWindow {
public:
	explicit ProgressWindow(BWindow* target);

	ProgressWindow(const ProgressWindow&) = delete;
	ProgressWindow& operator=(const ProgressWindow&) = delete;

	// Lays the window out anew for that many encoders (at least 1), unless
	// it has that layout already. Needs the window locked.
	void SetEncoders(int32 count);
	int32 CountEncoders() const;
	// The bar of a row's file and the button that ends its encoder ("Salta
	// file" with one row).
	BStatusBar* FileBar(int32 row) const;
	BButton* SkipButton(int32 row) const;

	BView* backView;
	BStringView* fileNameView;
	BStringView* fileNumberView;
	BButton* skipButton;
	BButton* stopButton;
	BStatusBar* runBar;

private:
	struct Row {
		BStatusBar* bar;
		BButton* skip;
	};

	// Everything below the caption; the rows from their top down.
	void _Build(int32 count);
	float _AddRows(int32 count, float top);
	BStringView* _AddText(float top, const char* name);
	BStatusBar* _AddBar(BRect frame, const char* name);
	BButton* _AddButton(BPoint leftTop, const char* name, const char* label, BMessage* message);

	BWindow* fTarget;
	BStringView* fCaption;
	std::vector<Row> fRows;
};

#endif // PROGRESS_WINDOW_H
