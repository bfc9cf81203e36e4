// FltkFilePanel: a file panel: the folder shown, the user's places
// (FltkPlaces; choosing one shows it), the folder's entries with their
// size and date of change under a header whose columns sort them (a second
// click reverses; FltkFolderEntries), a check box for hidden files, a name
// field and the cancel and default buttons with the program's labels. The
// panel lays itself out at a size of its own, at the kits' place.
//
// Open panels: the default button (or Enter, or a double click on a file)
// chooses the entries selected in the list, or the one named in the field
// (a name in the folder shown or a whole path). Choosing a single folder in
// a panel that does not take folders opens it instead; entries that do not
// suit the panel's node flavours, or several in a single-selection panel,
// are refused with a beep. Save panels take the name in the field (a click
// on a file copies its name there) and the folder shown; a path typed there
// opens the folder it names, or names the file and its folder; with no name,
// a selected folder opens. Cancel, the close box and Escape cancel. Hiding
// after a choice is the kit's business.
//
// A panel shown again shows the folder it was left in, unless the program
// gave it another one meanwhile.
//
// Keyboard: Tab goes from the places to the entries, the name field, the
// check box and the buttons; the arrows move in the places (showing the
// place) and select in the entries as in the program's lists
// (FltkSelectionBrowser); Enter presses the default button.
#ifndef FLTK_FILE_PANEL_H
#define FLTK_FILE_PANEL_H

#include <string>
#include <vector>

#include "FltkFolderEntries.h"
#include "FltkWindow.h"

class Fl_Button;
class Fl_Check_Button;
class Fl_Hold_Browser;
class Fl_Input;
class FltkSelectionBrowser;
class FltkText;

class FltkFilePanel : public FltkWindow {
public:
	FltkFilePanel(const BPrivate::WindowState& state, Listener listener);

protected:
	void SyncContent() override;
	void ScreenFrame(int* x, int* y, int* width, int* height) const override;
	void CloseRequested(bool escape) override;

private:
	static constexpr int kColumns = 3;

	static void _Confirmed(Fl_Widget* widget, void* data);
	static void _Cancelled(Fl_Widget* widget, void* data);
	static void _Up(Fl_Widget* widget, void* data);
	static void _Browsed(Fl_Widget* widget, void* data);
	static void _PlaceChosen(Fl_Widget* widget, void* data);
	static void _Sorted(Fl_Widget* widget, void* column);
	static void _HiddenToggled(Fl_Widget* widget, void* data);

	void _Build();
	void _BuildPlaces(int left, int top, int width, int height);
	void _BuildEntries(int left, int top, int width, int height);
	void _List(const std::string& folder);
	void _Fill();
	void _Confirm();
	void _ConfirmOpen();
	void _ConfirmSave();
	// The entry of a line of the list, or null.
	const FltkFolderEntries::Entry* _EntryAt(int line) const;
	std::vector<std::string> _Chosen() const;
	std::string _PathOf(const std::string& name) const;

	FltkText* fFolderText;
	Fl_Hold_Browser* fPlaces;
	std::vector<std::string> fPlacePaths;
	Fl_Button* fHeader[kColumns];
	FltkSelectionBrowser* fBrowser;
	// FLTK keeps a pointer to them; the last column takes what is left.
	int fColumnWidths[kColumns];
	Fl_Input* fName;
	Fl_Check_Button* fHidden;
	Fl_Button* fCancel;
	Fl_Button* fDefault;
	std::string fFolder;
	std::string fStateFolder;
	// As the list shows them, line by line.
	std::vector<FltkFolderEntries::Entry> fEntries;
	FltkFolderEntries::Column fColumn;
	bool fDescending;
	bool fWasShown;
};

#endif // FLTK_FILE_PANEL_H
