#include "FilesList.h"

#include <AppDefs.h>
#include <Autolock.h>
#include <Button.h>
#include <FilePanel.h>
#include <ListItem.h>
#include <Window.h>

#include <string>
#include <vector>

#include "ListFile.h"
#include "app/VFApp.h"
#include "window/Alerts.h"
#include "window/Commands.h"
#include "window/EntryPath.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

// "Impoosibile": users know this alert with its typo.
static const char* const kSaveOpenErrorText =
    "Impoosibile creare o aprire il file. Controllate che il file non sia su un disco a sola "
    "lettura o che il file che volete sovrascrivere non sia usato da un'altra applicazione.";
static const char* const kSaveWriteErrorText =
    "Impossibile scrivere sul file. Probabilmente il disco è pieno.";
static const char* const kOpenOpenErrorText =
    "Impossibile aprire file. Assicuratevi di avere accesso al file.";

// A panel without a target, so that its replies reach the application.
static BFilePanel*
NewListPanel(file_panel_mode mode, uint32 command, const char* title, const char* button)
{
	BMessage message(command);
	BFilePanel* panel =
	    new BFilePanel(mode, nullptr, nullptr, B_FILE_NODE, false, &message, nullptr, true, true);
	panel->Window()->SetTitle(title);
	panel->SetButtonLabel(B_DEFAULT_BUTTON, button);
	panel->SetButtonLabel(B_CANCEL_BUTTON, "Annulla");
	return panel;
}

FilesList::FilesList(BRect frame, MainWindow* window)
    : BListView(frame, "FilesList", B_MULTIPLE_SELECTION_LIST, B_FOLLOW_ALL_SIDES,
                B_WILL_DRAW | B_FRAME_EVENTS | B_NAVIGABLE),
      // "Salve": the button as users know it.
      savePanel(NewListPanel(B_SAVE_PANEL, SLPM, "Salva lista", "Salve")),
      openPanel(NewListPanel(B_OPEN_PANEL, OLPM, "Apri lista", "Apri")), mainWindow(window),
      encodeButton(nullptr), removeButton(nullptr), moveUpButton(nullptr), moveDownButton(nullptr)
{
}

FilesList::~FilesList()
{
	// Deleted directly: the buttons may be gone, so no button rule may run.
	for (int32 index = 0; index < CountItems(); index++)
		delete ItemAt(index);
}

void
FilesList::MessageReceived(BMessage* message)
{
	switch (message->what) {
		case B_SIMPLE_DATA: {
			entry_ref ref;
			if (message->FindRef("refs", 0, &ref) != B_OK) {
				BListView::MessageReceived(message);
				break;
			}
			AddFiles(EntryPath::OfRefs(*message));
			break;
		}
		default:
			BListView::MessageReceived(message);
			break;
	}
}

bool
FilesList::AddItem(BListItem* item)
{
	if (!BListView::AddItem(item))
		return false;
	encodeButton->SetEnabled(true);
	SelectionChanged();
	return true;
}

bool
FilesList::AddItem(BListItem* item, int32 index)
{
	if (!BListView::AddItem(item, index))
		return false;
	encodeButton->SetEnabled(true);
	SelectionChanged();
	return true;
}

void
FilesList::SelectionChanged()
{
	// Two lookups, not a count: counting looks up every selected row from
	// the top, and this runs after every change.
	int32 first = CurrentSelection(0);
	bool single = first >= 0 && CurrentSelection(1) < 0;
	removeButton->SetEnabled(first >= 0);
	moveUpButton->SetEnabled(single && first > 0);
	moveDownButton->SetEnabled(single && first < CountItems() - 1);
}

void
FilesList::KeyDown(const char* bytes, int32 numBytes)
{
	if (numBytes == 1 && bytes[0] == B_DELETE && removeButton->IsEnabled())
		removeButton->Invoke();
	else
		BListView::KeyDown(bytes, numBytes);
}

void
FilesList::ShowSave()
{
	savePanel->Show();
}

void
FilesList::ShowOpen()
{
	openPanel->Show();
}

void
FilesList::Clear()
{
	_DeleteItems();
	encodeButton->SetEnabled(false);
	SelectionChanged();
}

void
FilesList::RemoveFiles()
{
	// The list is rebuilt from the rows that stay: removing the selected
	// rows one by one would move the rest of the list and apply the button
	// rules once for each.
	std::vector<BListItem*> kept;
	std::vector<BListItem*> removed;
	for (int32 index = 0; index < CountItems(); index++)
		(IsItemSelected(index) ? removed : kept).push_back(ItemAt(index));
	DeselectAll();
	MakeEmpty();
	for (BListItem* item : kept)
		BListView::AddItem(item, CountItems());
	for (BListItem* item : removed)
		delete item;
	if (IsEmpty())
		encodeButton->SetEnabled(false);
	SelectionChanged();
}

void
FilesList::MoveUp()
{
	_MoveSelected(-1);
}

void
FilesList::MoveDown()
{
	_MoveSelected(1);
}

void
FilesList::AddFile(const char* path)
{
	BAutolock lock(Window());
	BStringItem* item = new BStringItem(path, 0, true);
	if (AddItem(item))
		SelectionChanged();
	else
		delete item;
}

int32
FilesList::CountSelected()
{
	int32 count = 0;
	while (CurrentSelection(count) >= 0)
		count++;
	return count;
}

std::vector<std::string>
FilesList::Paths() const
{
	std::vector<std::string> paths;
	paths.reserve((size_t)CountItems());
	for (int32 index = 0; index < CountItems(); index++)
		paths.push_back(static_cast<BStringItem*>(ItemAt(index))->Text());
	return paths;
}

void
FilesList::Save(const char* path)
{
	std::vector<std::string> paths;
	{
		BAutolock lock(mainWindow);
		paths = Paths();
	}
	switch (ListFile::Write(path, paths)) {
		case ListFile::kSaved:
			break;
		case ListFile::kOpenFailed:
			Alerts::Show("SaveOpenError", kSaveOpenErrorText);
			break;
		case ListFile::kWriteFailed:
			Alerts::Show("SaveWriteError", kSaveWriteErrorText);
			break;
	}
}

void
FilesList::Open(const char* path)
{
	std::vector<std::string> paths;
	if (!ListFile::Read(path, &paths)) {
		Alerts::Show("OpenOpenError", kOpenOpenErrorText);
		return;
	}

	BAutolock lock(mainWindow);
	mainWindow->tabView->Select(0);
	// Emptying leaves "Codifica!" as it is; the additions enable it.
	if (!static_cast<VFApp*>(be_app)->dontClearOnOpen)
		_DeleteItems();
	AddFiles(paths);
}

void
FilesList::_MoveSelected(int32 offset)
{
	int32 from = CurrentSelection(0);
	int32 to = from + offset;
	if (CountSelected() == 1 && to >= 0 && to < CountItems())
		MoveItem(from, to);
	SelectionChanged();
}

void
FilesList::AddFiles(const std::vector<std::string>& paths)
{
	BAutolock lock(Window());
	// Appended past the override, so that the button rules, which look
	// through the list, run once for all of them.
	for (const std::string& path : paths)
		BListView::AddItem(new BStringItem(path.c_str(), 0, true), CountItems());
	if (paths.empty())
		return;
	encodeButton->SetEnabled(true);
	SelectionChanged();
}

void
FilesList::_DeleteItems()
{
	std::vector<BListItem*> items;
	for (int32 index = 0; index < CountItems(); index++)
		items.push_back(ItemAt(index));
	MakeEmpty();
	for (BListItem* item : items)
		delete item;
}
