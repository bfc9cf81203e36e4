#include "FltkFilePanel.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_ask.H>

#include <sys/stat.h>

#include <EntryRef.h>
#include <FilePanel.h>
#include <Message.h>

#include "FltkScale.h"
#include "FltkText.h"
#include <Display.h>
#include <NodeFlavors.h>

using namespace BPrivate;

namespace {

// In the kits' coordinates.
const float kMargin = 10;
const float kButtonWidth = 90;
const float kLineHeight = 24;
const float kNameLeft = 60;

bool
IsFolder(const std::string& path)
{
	struct stat entry;
	return stat(path.c_str(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

// The folder above path; "/" stays "/".
std::string
Above(const std::string& path)
{
	size_t slash = path.find_last_of('/');
	return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

} // namespace

FltkFilePanel::FltkFilePanel(const WindowState& state, Listener listener)
    : FltkWindow(state, std::move(listener)), fFolderText(nullptr), fBrowser(nullptr),
      fName(nullptr), fCancel(nullptr), fDefault(nullptr), fWasShown(false)
{
	_Build();
}

void
FltkFilePanel::SyncContent()
{
	const FilePanelState& panel = State().panel;
	fDefault->copy_label(panel.defaultButtonLabel.c_str());
	fCancel->copy_label(panel.cancelButtonLabel.c_str());
	fBrowser->type(panel.multipleSelection && !panel.save ? FL_MULTI_BROWSER : FL_HOLD_BROWSER);
	// A new folder from the program, or the panel coming up again: show
	// the folder as it is now.
	if (panel.directory != fStateFolder) {
		fStateFolder = panel.directory;
		_List(panel.directory.empty() ? "/" : panel.directory);
	} else if (State().shown && !fWasShown) {
		_List(fFolder);
	}
	fWasShown = State().shown;
}

void
FltkFilePanel::CloseRequested(bool)
{
	BMessage cancel(kMsgPanelCancelled);
	Post(&cancel);
}

void
FltkFilePanel::_Confirmed(Fl_Widget* widget, void*)
{
	static_cast<FltkFilePanel*>(widget->window())->_Confirm();
}

void
FltkFilePanel::_Cancelled(Fl_Widget* widget, void*)
{
	static_cast<FltkFilePanel*>(widget->window())->CloseRequested(false);
}

void
FltkFilePanel::_Up(Fl_Widget* widget, void*)
{
	FltkFilePanel* panel = static_cast<FltkFilePanel*>(widget->window());
	panel->_List(Above(panel->fFolder));
}

void
FltkFilePanel::_Browsed(Fl_Widget* widget, void*)
{
	FltkFilePanel* panel = static_cast<FltkFilePanel*>(widget->window());
	int line = panel->fBrowser->value();
	if (line <= 0)
		return;
	std::string name = panel->fBrowser->text(line);
	bool folder = !name.empty() && name.back() == '/';
	if (panel->State().panel.save && !folder)
		panel->fName->value(name.c_str());
	if (Fl::event_clicks() == 0)
		return;
	Fl::event_clicks(0);
	if (folder)
		panel->_List(panel->_PathOf(name));
	else if (!panel->State().panel.save)
		panel->_Confirm();
}

void
FltkFilePanel::_Build()
{
	int width = w();
	int height = h();
	int margin = FltkScale::Pixels(kMargin);
	int buttonWidth = FltkScale::Pixels(kButtonWidth);
	int lineHeight = FltkScale::Pixels(kLineHeight);
	int nameLeft = FltkScale::Pixels(kNameLeft);
	begin();
	fFolderText = new FltkText();
	fFolderText->resize(margin, margin, width - 3 * margin - buttonWidth / 2, lineHeight);
	Fl_Button* up =
	    new Fl_Button(width - margin - buttonWidth / 2, margin, buttonWidth / 2, lineHeight, "Su");
	up->callback(_Up);
	int listTop = 2 * margin + lineHeight;
	int nameTop = height - 2 * margin - 2 * lineHeight;
	fBrowser = new Fl_File_Browser(margin, listTop, width - 2 * margin, nameTop - margin - listTop);
	fBrowser->filetype(Fl_File_Browser::FILES);
	fBrowser->callback(_Browsed);
	fName = new Fl_Input(nameLeft, nameTop, width - nameLeft - margin, lineHeight, "Nome:");
	int buttonTop = height - margin - lineHeight;
	fDefault =
	    new Fl_Return_Button(width - margin - buttonWidth, buttonTop, buttonWidth, lineHeight);
	fDefault->callback(_Confirmed);
	fCancel = new Fl_Button(width - 2 * (margin + buttonWidth), buttonTop, buttonWidth, lineHeight);
	fCancel->callback(_Cancelled);
	end();
}

void
FltkFilePanel::_List(const std::string& folder)
{
	std::string shown =
	    folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
	if (!IsFolder(shown)) {
		fl_beep();
		return;
	}
	fFolder = shown;
	fFolderText->SetText(fFolder);
	fBrowser->load(fFolder.c_str());
	fName->value(State().panel.save ? fName->value() : "");
	redraw();
}

void
FltkFilePanel::_Confirm()
{
	if (State().panel.save)
		_ConfirmSave();
	else
		_ConfirmOpen();
}

void
FltkFilePanel::_ConfirmOpen()
{
	const FilePanelState& panel = State().panel;
	std::vector<std::string> chosen = _Chosen();
	if (chosen.size() == 1 && IsFolder(chosen[0]) && (panel.nodeFlavors & B_DIRECTORY_NODE) == 0) {
		_List(chosen[0]);
		return;
	}
	if (chosen.empty() || (chosen.size() > 1 && !panel.multipleSelection)) {
		fl_beep();
		return;
	}
	BMessage confirm(kMsgPanelConfirmed);
	for (const std::string& path : chosen) {
		entry_ref ref;
		if (!NodeFlavors::Suits(path, panel.nodeFlavors) ||
		    get_ref_for_path(path.c_str(), &ref) != B_OK) {
			fl_beep();
			return;
		}
		confirm.AddRef("refs", &ref);
	}
	Post(&confirm);
}

void
FltkFilePanel::_ConfirmSave()
{
	std::string name = fName->value();
	std::string folder = fFolder;
	// A typed path: a folder opens; anything else is the name in its
	// folder.
	if (name.find('/') != std::string::npos) {
		std::string path = _PathOf(name);
		if (IsFolder(path)) {
			_List(path);
			fName->value("");
			return;
		}
		folder = Above(path);
		name = path.substr(path.find_last_of('/') + 1);
	}
	entry_ref directory;
	if (name.empty() || get_ref_for_path(folder.c_str(), &directory) != B_OK) {
		fl_beep();
		return;
	}
	BMessage confirm(kMsgPanelConfirmed);
	confirm.AddRef("directory", &directory);
	confirm.AddString("name", name.c_str());
	Post(&confirm);
}

std::vector<std::string>
FltkFilePanel::_Chosen() const
{
	std::string typed = fName->value();
	if (!typed.empty())
		return {_PathOf(typed)};
	std::vector<std::string> chosen;
	for (int line = 1; line <= fBrowser->size(); line++) {
		if (fBrowser->selected(line))
			chosen.push_back(_PathOf(fBrowser->text(line)));
	}
	return chosen;
}

std::string
FltkFilePanel::_PathOf(const std::string& name) const
{
	std::string path = name[0] == '/' ? name : (fFolder == "/" ? "" : fFolder) + "/" + name;
	while (path.size() > 1 && path.back() == '/')
		path.pop_back();
	if (name == "../" || name == "..")
		return Above(fFolder);
	return path;
}
