// FilesView: the "File" page: the list of files to encode in a scroll view,
// with "Sposta su" and "Sposta giù" at the bottom left and "Aggiungi..."
// and "Rimuovi" at the bottom right. Its buttons send their commands to
// the main window; after construction the list keeps the enabled state of
// all but "Aggiungi...".
//
// It owns the add-files panel, which the main window shows; the panel is
// made once and lives until the application ends.
//
// Threads: as every view, used with its window (the main window) locked.
#ifndef FILES_VIEW_H
#define FILES_VIEW_H

#include <View.h>

class BButton;
class BFilePanel;
class BScrollView;
class FilesList;
class MainWindow;

class FilesView : public BView {
public:
	// The list gets the encode button and the window.
	FilesView(BRect frame, BButton* encodeButton, MainWindow* window);
	~FilesView() override;

	BButton* addButton;
	BButton* removeButton;
	BButton* moveUpButton;
	BButton* moveDownButton;
	BScrollView* scrollView;
	FilesList* filesList;
	BFilePanel* addPanel;

private:
	BButton* _AddButton(BRect frame, const char* name, const char* label, uint32 command,
	                    uint32 resizingMode, bool enabled);
};

#endif // FILES_VIEW_H
