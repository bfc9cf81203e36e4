// FltkFilePanel: a file panel: the folder shown, its entries (folders end
// in '/'), a name field and the cancel and default buttons with the
// program's labels.
//
// Open panels: the default button (or Enter, or a double click on a file)
// chooses the entries selected in the list, or the one named in the field
// (a name in the folder shown or a whole path). Choosing a single folder in
// a panel that does not take folders opens it instead; entries that do not
// suit the panel's node flavours, or several in a single-selection panel,
// are refused with a beep. Save panels take the name in the field (a click
// on a file copies its name there) and the folder shown; a path typed there
// opens the folder it names, or names the file and its folder. Cancel, the close
// box and Escape cancel. Hiding after a choice is the kit's business.
#ifndef FLTK_FILE_PANEL_H
#define FLTK_FILE_PANEL_H

#include <string>
#include <vector>

#include "FltkWindow.h"

class Fl_Button;
class Fl_File_Browser;
class Fl_Input;
class FltkText;

class FltkFilePanel : public FltkWindow {
public:
	FltkFilePanel(const BPrivate::WindowState& state, Listener listener);

protected:
	void SyncContent() override;
	void CloseRequested(bool escape) override;

private:
	static void _Confirmed(Fl_Widget* widget, void* data);
	static void _Cancelled(Fl_Widget* widget, void* data);
	static void _Up(Fl_Widget* widget, void* data);
	static void _Browsed(Fl_Widget* widget, void* data);

	void _Build();
	void _List(const std::string& folder);
	void _Confirm();
	void _ConfirmOpen();
	void _ConfirmSave();
	std::vector<std::string> _Chosen() const;
	std::string _PathOf(const std::string& name) const;

	FltkText* fFolderText;
	Fl_File_Browser* fBrowser;
	Fl_Input* fName;
	Fl_Button* fCancel;
	Fl_Button* fDefault;
	std::string fFolder;
	std::string fStateFolder;
	bool fWasShown;
};

#endif // FLTK_FILE_PANEL_H
