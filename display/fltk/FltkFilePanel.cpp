#include "FltkFilePanel.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_ask.H>

#include <algorithm>

#include <EntryRef.h>
#include <FilePanel.h>
#include <Message.h>

#include "FltkPlaces.h"
#include "FltkScale.h"
#include "FltkSelectionBrowser.h"
#include "FltkText.h"
#include <Display.h>
#include <NodeFlavors.h>

using namespace BPrivate;

namespace {

// In the kits' coordinates.
const float kWidth = 600;
const float kHeight = 400;
const float kMargin = 10;
const float kButtonWidth = 90;
const float kLineHeight = 24;
const float kNameLeft = 60;
const float kPlacesWidth = 130;
const float kSizeWidth = 90;
const float kChangedWidth = 120;
const float kHiddenWidth = 170;

const char* const kHeaderLabels[] = {"Nome", "Dimensione", "Modificato"};

// The folder above path; "/" stays "/".
std::string
Above(const std::string& path)
{
	size_t slash = path.find_last_of('/');
	return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// An entry as a line of the list: tabs part the columns, so a tab in a
// name shows as a space.
std::string
Line(const FltkFolderEntries::Entry& entry)
{
	std::string name = entry.name;
	std::replace(name.begin(), name.end(), '\t', ' ');
	if (entry.folder)
		name += "/";
	// FLTK draws an empty column badly: a folder's size is a space.
	std::string size = entry.folder ? " " : FltkFolderEntries::Size(entry.size);
	return name + "\t" + size + "\t" + FltkFolderEntries::Date(entry.changed);
}

} // namespace

FltkFilePanel::FltkFilePanel(const WindowState& state, Listener listener)
    : FltkWindow(state, std::move(listener)), fFolderText(nullptr), fPlaces(nullptr), fHeader{},
      fBrowser(nullptr), fColumnWidths{}, fName(nullptr), fHidden(nullptr), fCancel(nullptr),
      fDefault(nullptr), fColumn(FltkFolderEntries::kName), fDescending(false), fWasShown(false)
{
	size(FltkScale::Pixels(kWidth), FltkScale::Pixels(kHeight));
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
FltkFilePanel::ScreenFrame(int* x, int* y, int* width, int* height) const
{
	FltkScale::Rect(State().frame, x, y, width, height);
	*width = FltkScale::Pixels(kWidth);
	*height = FltkScale::Pixels(kHeight);
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
	const FltkFolderEntries::Entry* entry = panel->_EntryAt(panel->fBrowser->value());
	if (entry == nullptr)
		return;
	if (panel->State().panel.save && !entry->folder)
		panel->fName->value(entry->name.c_str());
	// A double click; an arrow key selects only.
	bool mouse = Fl::event() == FL_PUSH || Fl::event() == FL_RELEASE;
	if (!mouse || Fl::event_clicks() == 0)
		return;
	Fl::event_clicks(0);
	if (entry->folder)
		panel->_List(panel->_PathOf(entry->name));
	else if (!panel->State().panel.save)
		panel->_Confirm();
}

void
FltkFilePanel::_PlaceChosen(Fl_Widget* widget, void*)
{
	FltkFilePanel* panel = static_cast<FltkFilePanel*>(widget->window());
	int line = panel->fPlaces->value();
	if (line > 0)
		panel->_List(panel->fPlacePaths[line - 1]);
}

void
FltkFilePanel::_Sorted(Fl_Widget* widget, void* column)
{
	FltkFilePanel* panel = static_cast<FltkFilePanel*>(widget->window());
	auto chosen = static_cast<FltkFolderEntries::Column>(reinterpret_cast<intptr_t>(column));
	panel->fDescending = chosen == panel->fColumn && !panel->fDescending;
	panel->fColumn = chosen;
	panel->_Fill();
}

void
FltkFilePanel::_HiddenToggled(Fl_Widget* widget, void*)
{
	static_cast<FltkFilePanel*>(widget->window())->_Fill();
}

// The children in the order Tab goes through them: places, entries, name
// field, check box, then the buttons.
void
FltkFilePanel::_Build()
{
	int width = w();
	int height = h();
	int margin = FltkScale::Pixels(kMargin);
	int buttonWidth = FltkScale::Pixels(kButtonWidth);
	int lineHeight = FltkScale::Pixels(kLineHeight);
	int nameLeft = FltkScale::Pixels(kNameLeft);
	int placesWidth = FltkScale::Pixels(kPlacesWidth);
	begin();
	fFolderText = new FltkText();
	fFolderText->resize(margin, margin, width - 3 * margin - buttonWidth / 2, lineHeight);
	int listTop = 2 * margin + lineHeight;
	int nameTop = height - 2 * margin - 2 * lineHeight;
	_BuildPlaces(margin, listTop, placesWidth, nameTop - margin - listTop);
	int entriesLeft = 2 * margin + placesWidth;
	_BuildEntries(entriesLeft, listTop, width - entriesLeft - margin, nameTop - margin - listTop);
	fName = new Fl_Input(nameLeft, nameTop, width - nameLeft - margin, lineHeight, "Nome:");
	int buttonTop = height - margin - lineHeight;
	fHidden = new Fl_Check_Button(margin, buttonTop, FltkScale::Pixels(kHiddenWidth), lineHeight,
	                              "Mostra file nascosti");
	fHidden->callback(_HiddenToggled);
	Fl_Button* up =
	    new Fl_Button(width - margin - buttonWidth / 2, margin, buttonWidth / 2, lineHeight, "Su");
	up->callback(_Up);
	fCancel = new Fl_Button(width - 2 * (margin + buttonWidth), buttonTop, buttonWidth, lineHeight);
	fCancel->callback(_Cancelled);
	fDefault =
	    new Fl_Return_Button(width - margin - buttonWidth, buttonTop, buttonWidth, lineHeight);
	fDefault->callback(_Confirmed);
	end();
}

void
FltkFilePanel::_BuildPlaces(int left, int top, int width, int height)
{
	fPlaces = new Fl_Hold_Browser(left, top, width, height);
	// Labels are names, not FLTK's formatted lines.
	fPlaces->format_char(0);
	for (const FltkPlaces::Place& place : FltkPlaces::OfUser()) {
		fPlaces->add(place.label.c_str());
		fPlacePaths.push_back(place.path);
	}
	fPlaces->callback(_PlaceChosen);
}

void
FltkFilePanel::_BuildEntries(int left, int top, int width, int height)
{
	int headerHeight = FltkScale::Pixels(kLineHeight);
	fBrowser = new FltkSelectionBrowser(left, top + headerHeight, width, height - headerHeight,
	                                    FltkSelectionBrowser::kEnterToWindow);
	fBrowser->format_char(0);
	fBrowser->column_char('\t');
	int inner = width - Fl::box_dw(fBrowser->box()) - Fl::scrollbar_size();
	fColumnWidths[1] = FltkScale::Pixels(kSizeWidth);
	fColumnWidths[0] = inner - fColumnWidths[1] - FltkScale::Pixels(kChangedWidth);
	fColumnWidths[2] = 0;
	fBrowser->column_widths(fColumnWidths);
	fBrowser->callback(_Browsed);
	// The header's columns start where the list's do; the last one reaches
	// the list's right edge.
	int columnLeft = left;
	for (int column = 0; column < kColumns; column++) {
		int columnRight = column + 1 < kColumns
		                      ? columnLeft + fColumnWidths[column] +
		                            (column == 0 ? Fl::box_dx(fBrowser->box()) : 0)
		                      : left + width;
		fHeader[column] = new Fl_Button(columnLeft, top, columnRight - columnLeft, headerHeight);
		fHeader[column]->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
		fHeader[column]->clear_visible_focus();
		fHeader[column]->callback(_Sorted, reinterpret_cast<void*>(static_cast<intptr_t>(column)));
		columnLeft = columnRight;
	}
}

void
FltkFilePanel::_List(const std::string& folder)
{
	std::string shown =
	    folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
	if (!FltkFolderEntries::IsFolder(shown)) {
		fl_beep();
		return;
	}
	fFolder = shown;
	fFolderText->SetText(fFolder);
	auto place = std::find(fPlacePaths.begin(), fPlacePaths.end(), fFolder);
	if (place != fPlacePaths.end())
		fPlaces->select((int)(place - fPlacePaths.begin()) + 1);
	else
		fPlaces->deselect();
	_Fill();
	fName->value(State().panel.save ? fName->value() : "");
}

void
FltkFilePanel::_Fill()
{
	fEntries = FltkFolderEntries::Shown(FltkFolderEntries::Read(fFolder), fColumn, fDescending,
	                                    fHidden->value() != 0);
	fBrowser->clear();
	fBrowser->ForgetLinesGone();
	for (const FltkFolderEntries::Entry& entry : fEntries)
		fBrowser->add(Line(entry).c_str());
	for (int column = 0; column < kColumns; column++) {
		std::string label = kHeaderLabels[column];
		if (column == fColumn)
			label += fDescending ? " \xE2\x96\xBC" : " \xE2\x96\xB2";
		fHeader[column]->copy_label(label.c_str());
	}
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
	if (chosen.size() == 1 && FltkFolderEntries::IsFolder(chosen[0]) &&
	    (panel.nodeFlavors & B_DIRECTORY_NODE) == 0) {
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
	const FltkFolderEntries::Entry* selected = _EntryAt(fBrowser->value());
	if (name.empty() && selected != nullptr && selected->folder) {
		_List(_PathOf(selected->name));
		return;
	}
	// A typed path: a folder opens; anything else is the name in its
	// folder.
	if (name.find('/') != std::string::npos) {
		std::string path = _PathOf(name);
		if (FltkFolderEntries::IsFolder(path)) {
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

const FltkFolderEntries::Entry*
FltkFilePanel::_EntryAt(int line) const
{
	return line >= 1 && line <= (int)fEntries.size() ? &fEntries[line - 1] : nullptr;
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
			chosen.push_back(_PathOf(_EntryAt(line)->name));
	}
	return chosen;
}

std::string
FltkFilePanel::_PathOf(const std::string& name) const
{
	if (name == "../" || name == "..")
		return Above(fFolder);
	std::string path = name[0] == '/' ? name : (fFolder == "/" ? "" : fFolder) + "/" + name;
	while (path.size() > 1 && path.back() == '/')
		path.pop_back();
	return path;
}
