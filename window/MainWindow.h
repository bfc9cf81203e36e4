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
// The run keeps up to parallelEncoders (a setting) encoders going, each in a
// slot of its own (a row of the progress window), started in list order.
// It reads what each encoder writes on its standard error, for the
// progress of its file and for its last line; when files failed (their
// encoder ended with a status other than 0, or by a signal the user did not
// send with "Salta" or "Ferma codifica"), the run ends with the
// "EncodeReport" alert. The progress window is brought up to date a few
// times a second (PROG), not once per file or per line of output.
//
// Threads: the fields are public and reached from the application's thread
// too, which locks the window before it touches its views. The run state is
// guarded by the window's lock as well: the window's thread holds it while
// it handles ENCD, SKIP, STOP and PROG, and the application's thread takes
// it before it hands an encoder's end or output to the run, so that an
// encoder that ends at once can never make a file start twice or be
// skipped.
#ifndef MAIN_WINDOW_H
#define MAIN_WINDOW_H

#include <EntryRef.h>
#include <OS.h>
#include <Window.h>

#include <memory>
#include <string>
#include <vector>

#include "encode/EncodeReport.h"
#include "encode/EncoderOutput.h"
#include "encode/RunProgress.h"

class BButton;
class BMenuBar;
class BMessageRunner;
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
	// Launches the encoder on the files from currentIndex on while a slot
	// is free, or ends the run when none is left and no encoder runs.
	// Called with this window locked: in its own thread when a run starts,
	// in the application's thread (which locks it) when an encoder has
	// ended.
	void EncodeNext();
	// The roster's notices about an encoder of the run, with this window
	// locked: its end (how: as the notice's "be:exit") and what it wrote
	// on its standard error. Others are ignored.
	void EncoderQuit(team_id team, int32 how);
	void EncoderWrote(team_id team, const char* data, size_t size);

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
	// An encoder of the run and its file; free while team is -1.
	struct Slot {
		team_id team = -1;
		int32 index = 0;
		// The path, and as the progress window shows it.
		std::string path;
		std::string fileText;
		EncoderOutput output;
		// The user ended it: its end is no failure.
		bool ended = false;
	};

	void _ShowAddPanel();
	void _StoreEncoderLocation();
	void _EncoderChosen(BMessage* message);
	void _ListChosen(BMessage* message);
	void _SaveChosen(BMessage* message);
	void _OpenReadme();

	void _StartRun();
	// False when the encoder could not be started (which is said).
	bool _Launch(Slot* slot);
	void _SkipFile(BMessage* message);
	void _StopRun();
	void _EndRun();
	Slot* _FindSlot(team_id team);
	// Shows the run's state in the progress window.
	void _ShowProgress();
	void _ShowRow(int32 row, const Slot& slot);

	void _BuildMenuBar();
	// At the bottom right of backView, shifted left by offset, at its
	// preferred size.
	BButton* _AddButton(float offset, const char* name, const char* label, uint32 command);

	std::vector<Slot> fSlots;
	RunProgress fProgress;
	std::vector<EncodeReport::Failure> fFailures;
	// No more files are started after a launch failed.
	bool fLaunchFailed;
	std::unique_ptr<BMessageRunner> fProgressRunner;
};

#endif // MAIN_WINDOW_H
