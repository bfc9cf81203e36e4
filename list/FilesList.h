// FilesList: the list of files to encode, in encoding order, one path per
// item. It accepts files dropped on it, saves and opens list files, owns
// the panels that choose them, and keeps four buttons in step with its
// content and selection:
//   "Rimuovi"      enabled when at least one item is selected;
//   "Sposta su"    when exactly one is selected and it is not the first;
//   "Sposta giù"   when exactly one is selected and it is not the last;
//   "Codifica!"    enabled by every addition, disabled by Clear() and by
//                  RemoveFiles() when nothing is left; nothing else touches
//                  it.
// Whoever builds the list sets the four button fields right after
// construction.
//
// List files: two header lines, then "0;" + path + LF per item. Saving
// writes a new file beside the old one and renames it over it, so a failed
// save keeps the previous list.
//
// Threads: the main window's thread runs the user's changes, drops and the
// list commands; the application's thread runs AddFile(), Save() and
// Open(), which lock the main window themselves (the lock is recursive).
// Open() and Save() never hold it while reading, writing or showing an
// alert.
//
// Ownership: the list owns its items. The panels are made once and live
// until the application ends.
#ifndef FILES_LIST_H
#define FILES_LIST_H

#include <ListView.h>

#include <string>
#include <vector>

class BButton;
class BFilePanel;
class MainWindow;

class FilesList : public BListView {
public:
	FilesList(BRect frame, MainWindow* window);
	~FilesList() override;

	// Adds the files dropped on the list (B_SIMPLE_DATA with "refs").
	void MessageReceived(BMessage* message) override;
	bool AddItem(BListItem* item) override;
	bool AddItem(BListItem* item, int32 index) override;
	// Applies the button rules.
	void SelectionChanged() override;
	// Delete does what "Rimuovi" does, when "Rimuovi" can be pressed.
	void KeyDown(const char* bytes, int32 numBytes) override;

	void ShowSave();
	void ShowOpen();
	void Clear();
	void RemoveFiles();
	void MoveUp();
	void MoveDown();
	void AddFile(const char* path);
	// Appends an item for each path, then applies the button rules once:
	// many files at once cost one pass, not one each.
	void AddFiles(const std::vector<std::string>& paths);
	int32 CountSelected();
	// The entries' paths, in list order; with the main window locked.
	std::vector<std::string> Paths() const;

	void Save(const char* path);
	void Open(const char* path);

	BFilePanel* savePanel;
	BFilePanel* openPanel;
	MainWindow* mainWindow;
	BButton* encodeButton;
	BButton* removeButton;
	BButton* moveUpButton;
	BButton* moveDownButton;

private:
	void _MoveSelected(int32 offset);
	void _DeleteItems();
};

#endif // FILES_LIST_H
