// MainWindow: the program's one document window: the menu bar ("Lista" and
// "?"), the tab view with the three pages, and "Codifica!" and "Esci" at
// the bottom right. It owns the state of the encoding run and the progress
// window, which it builds once, runs at once and keeps hidden until a run
// shows it.
//
// The application builds it in its own thread before the window runs,
// handing it the list file it was launched with, if any, and shows it.
// Closing it stores the settings and quits the application.
//
// Threads: the fields are public and reached from the application's thread
// too, which locks the window before it touches its views. The run state is
// guarded by the window's lock as well: the window's thread holds it while
// it handles ENCD, SKIP and STOP, and the application's thread takes it
// before it hands an encoder's end to EncodeNext(), so that an encoder that
// ends at once can never make a file start twice or be skipped.
#ifndef MAIN_WINDOW_H
#define MAIN_WINDOW_H

#include <EntryRef.h>
#include <OS.h>
#include <Window.h>

class BButton;
class BMenuBar;
class BView;
class FilesList;
class ProgressWindow;
class TabView;

class MainWindow : public BWindow {
public:
	// ref: a list file to open at once, or null.
	explicit MainWindow(const entry_ref* ref);
	~MainWindow() override;

	MainWindow(const MainWindow&) = delete;
	MainWindow& operator=(const MainWindow&) = delete;

	void MessageReceived(BMessage* message) override;
	// Stores the settings (a stop alert says so when they cannot be) and
	// asks the application to quit; always agrees.
	bool QuitRequested() override;

	// Files handed to the running application: each is added to the list,
	// unless it is a list file, which is opened instead (and ends the
	// message). Called in the application's thread.
	void RefsReceived(BMessage* message);
	// Launches the encoder on the file at currentIndex, or ends the run
	// when none is left. Called with this window locked: in its own thread
	// for the first file of a run, in the application's thread (which
	// locks it) when the encoder of the previous file has ended.
	void EncodeNext();

	BView* backView;
	BButton* closeButton;
	BButton* encodeButton;
	ProgressWindow* progressWindow;
	BMenuBar* menuBar;
	char optionsBefore[256];
	char optionsAfter[256];
	int32 currentIndex;
	team_id encoderTeam;
	entry_ref encoderRef;
	FilesList* filesList;
	TabView* tabView;
	bool isEncoding;

private:
	void _ShowAddPanel();
	void _StoreEncoderLocation();
	void _EncoderChosen(BMessage* message);
	void _ListChosen(BMessage* message);
	void _SaveChosen(BMessage* message);
	void _OpenReadme();

	void _StartRun();
	void _SkipFile();
	void _StopRun();
	void _EndRun();
	void _SetProgressButtons(bool enabled);

	void _BuildMenuBar();
	// At the bottom right of backView, shifted left by offset, at its
	// preferred size.
	BButton* _AddButton(float offset, const char* name, const char* label, uint32 command);
};

#endif // MAIN_WINDOW_H
