// BFilePanel: a window of the display in which the user chooses files to
// open, or a folder and a name to save under.
//
// Replies: confirming an open panel sends the panel's message (B_REFS_RECEIVED
// unless one was set) with every chosen entry under "refs" (a chosen link
// comes as the link itself); confirming a save panel sends its message
// (B_SAVE_REQUESTED unless set) with "directory" (entry_ref) and "name"
// (string). The target is be_app unless one was set. When the user hides
// the panel (cancel, or after confirming with hide-when-done on) the target
// also gets B_CANCEL with "old_what" (int32, the message's code) and
// "source" (pointer, the panel), which the program may ignore. With
// hide-when-done off the panel stays shown after confirming.
//
// Showing a panel never blocks. A modal panel blocks input to the
// program's other windows while it is shown. Node flavours say what may be
// chosen: files (and links to files), links, folders; 0 means files. The
// ref filter is kept for the program but the displays list every entry.
//
// Threads: the panel's state lives in its window; every call locks it, so
// the panel may be used from any thread. Ownership: the panel owns its
// window, which it never deletes before the panel is deleted.
#ifndef _FILE_PANEL_H
#define _FILE_PANEL_H

#include <functional>
#include <sys/stat.h>

#include <EntryRef.h>
#include <Messenger.h>

class BMessage;
class BNode;
class BWindow;

enum file_panel_mode {
	B_OPEN_PANEL,
	B_SAVE_PANEL,
};

enum file_panel_button {
	B_CANCEL_BUTTON,
	B_DEFAULT_BUTTON,
};

enum node_flavor {
	B_FILE_NODE = 0x01,
	B_SYMLINK_NODE = 0x02,
	B_DIRECTORY_NODE = 0x04,
	B_ANY_NODE = 0x07,
};

class BRefFilter {
public:
	virtual ~BRefFilter();
	virtual bool Filter(const entry_ref* ref, BNode* node, struct stat* st,
	                    const char* fileType) = 0;
};

class BFilePanel {
public:
	// A null target means be_app; a null directory the working directory;
	// the message is copied.
	BFilePanel(file_panel_mode mode = B_OPEN_PANEL, BMessenger* target = nullptr,
	           const entry_ref* directory = nullptr, uint32 nodeFlavors = 0,
	           bool allowMultipleSelection = true, BMessage* message = nullptr,
	           BRefFilter* filter = nullptr, bool modal = false, bool hideWhenDone = true);
	virtual ~BFilePanel();
	BFilePanel(const BFilePanel&) = delete;
	BFilePanel& operator=(const BFilePanel&) = delete;

	void Show();
	void Hide();
	bool IsShowing() const;
	// The panel's window, for its title.
	BWindow* Window() const;

	file_panel_mode PanelMode() const;
	BMessenger Messenger() const;
	void SetTarget(BMessenger target);
	// Copies the message; null brings back the default one.
	void SetMessage(BMessage* message);
	void SetRefFilter(BRefFilter* filter);
	BRefFilter* RefFilter() const;
	void SetButtonLabel(file_panel_button button, const char* label);
	void SetPanelDirectory(const entry_ref* directory);
	void SetPanelDirectory(const char* directory);
	void SetHideWhenDone(bool on);
	bool HidesWhenDone() const;

private:
	class PanelWindow;

	// Runs the change with the window locked; nothing when the window is
	// gone (the application's quit round closes panels too).
	void _Change(const std::function<void(PanelWindow* window)>& change) const;

	PanelWindow* fWindow;
	file_panel_mode fMode;
};

#endif // _FILE_PANEL_H
