#include "HeadlessDisplay.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <utility>

#include <EntryRef.h>
#include <FilePanel.h>
#include <Message.h>

using namespace BPrivate;

namespace {

// The length of the UTF-8 character that starts at text[0].
size_t
CharacterLength(const std::string& text, size_t offset)
{
	size_t length = 1;
	while (offset + length < text.size() && (text[offset + length] & 0xC0) == 0x80)
		length++;
	return length;
}

bool
IsModal(const WindowState& window)
{
	return window.feel == B_MODAL_APP_WINDOW_FEEL || window.feel == B_MODAL_ALL_WINDOW_FEEL;
}

const MenuItemState*
FindMenuItem(const std::vector<MenuItemState>& items, const std::string& label)
{
	for (const MenuItemState& item : items) {
		if (!item.separator && item.label == label)
			return &item;
	}
	return nullptr;
}

// Whether a panel with these node flavours lets the user choose the entry
// at path; a link counts as itself or as what it points to.
std::string
CheckFlavor(const std::string& path, uint32 flavors)
{
	struct stat entry;
	if (lstat(path.c_str(), &entry) != 0)
		return "no entry at " + path;
	if (S_ISLNK(entry.st_mode)) {
		if ((flavors & B_SYMLINK_NODE) != 0)
			return "";
		if (stat(path.c_str(), &entry) != 0)
			return "broken link at " + path;
	}
	if (S_ISDIR(entry.st_mode))
		return (flavors & B_DIRECTORY_NODE) != 0 ? "" : path + " is a folder";
	return (flavors & B_FILE_NODE) != 0 ? "" : path + " is a file";
}

std::string
AddRefs(BMessage* message, const std::vector<std::string>& paths)
{
	for (const std::string& path : paths) {
		entry_ref ref;
		if (get_ref_for_path(path.c_str(), &ref) != B_OK)
			return "no entry at " + path;
		message->AddRef("refs", &ref);
	}
	return "";
}

} // namespace

HeadlessDisplay::HeadlessDisplay()
    : fFont(FixedFont::Reference()), fShownCounter(0), fUpdateCount(0)
{
}

HeadlessDisplay::~HeadlessDisplay() = default;

void
HeadlessDisplay::Update(WindowUpdate update)
{
	std::vector<AlertAnswer> answers;
	{
		std::scoped_lock lock(fLock);
		fUpdateCount++;
		int32 token = update.window.token;
		auto [found, created] = fWindows.try_emplace(token);
		WindowRecord& record = found->second;
		if (created)
			fCreationOrder.push_back(token);
		bool wasShown = record.state.shown;
		record.state = std::move(update.window);
		if (record.state.shown && !wasShown) {
			record.shownOrder = ++fShownCounter;
			if (record.state.kind == WindowKind::Alert)
				answers.push_back(_AnswerAlert(record.state));
		}
		for (int32 removed : update.removedViews) {
			record.views.erase(removed);
			record.anchors.erase(removed);
		}
		for (ViewState& view : update.views)
			record.views[view.token] = std::move(view);
		fChanged.notify_all();
	}
	for (AlertAnswer& answer : answers) {
		if (answer.button == kKeepAlertOpen)
			continue;
		BMessage press(kMsgAlertButton);
		press.AddInt32("be:index", answer.button);
		answer.target.SendMessage(&press);
	}
}

void
HeadlessDisplay::RemoveWindow(int32 window)
{
	std::scoped_lock lock(fLock);
	fWindows.erase(window);
	fCreationOrder.erase(std::remove(fCreationOrder.begin(), fCreationOrder.end(), window),
	                     fCreationOrder.end());
}

font_height
HeadlessDisplay::PlainFontHeight() const
{
	std::scoped_lock lock(fLock);
	return fFont.height;
}

float
HeadlessDisplay::StringWidth(const char* text) const
{
	std::scoped_lock lock(fLock);
	return fFont.StringWidth(text);
}

bool
HeadlessDisplay::HasPendingWork() const
{
	return false;
}

void
HeadlessDisplay::SetFont(const FixedFont& font)
{
	std::scoped_lock lock(fLock);
	fFont = font;
}

int32
HeadlessDisplay::UpdateCount() const
{
	std::scoped_lock lock(fLock);
	return fUpdateCount;
}

std::vector<WindowState>
HeadlessDisplay::Windows() const
{
	std::scoped_lock lock(fLock);
	std::vector<WindowState> windows;
	for (int32 token : fCreationOrder)
		windows.push_back(fWindows.at(token).state);
	return windows;
}

std::optional<WindowState>
HeadlessDisplay::FindWindow(const std::string& title) const
{
	std::scoped_lock lock(fLock);
	const WindowRecord* window = _FindWindow(title);
	if (window == nullptr)
		return std::nullopt;
	return window->state;
}

std::optional<ViewState>
HeadlessDisplay::FindView(const std::string& window, const std::string& view) const
{
	std::scoped_lock lock(fLock);
	const WindowRecord* record = _FindWindow(window);
	const ViewState* state = record != nullptr ? _FindView(*record, view) : nullptr;
	if (state == nullptr)
		return std::nullopt;
	return *state;
}

std::optional<BRect>
HeadlessDisplay::FrameInWindow(const std::string& window, const std::string& view) const
{
	std::scoped_lock lock(fLock);
	const WindowRecord* record = _FindWindow(window);
	const ViewState* state = record != nullptr ? _FindView(*record, view) : nullptr;
	if (state == nullptr)
		return std::nullopt;
	BRect frame = state->frame;
	for (int32 parent = state->parent; parent != 0;) {
		const ViewState& above = record->views.at(parent);
		frame.OffsetBy(above.frame.left, above.frame.top);
		parent = above.parent;
	}
	return frame;
}

bool
HeadlessDisplay::WaitForShown(const std::string& title, bigtime_t timeout) const
{
	std::unique_lock lock(fLock);
	return fChanged.wait_for(lock, std::chrono::microseconds(timeout), [&] {
		const WindowRecord* window = _FindWindow(title);
		return window != nullptr && window->state.shown;
	});
}

std::string
HeadlessDisplay::Click(const std::string& window, const std::string& view)
{
	return _ActOnView(window, view, true, [&](WindowRecord&, ViewState& state, Posts* posts) {
		if (state.kind == ViewKind::CheckBox)
			state.value = state.value == B_CONTROL_ON ? B_CONTROL_OFF : B_CONTROL_ON;
		else if (state.kind != ViewKind::Button)
			return view + " is neither a button nor a check box";
		BMessage& click = _Post(posts, kMsgControlValue, state);
		click.AddInt32("be:value", state.kind == ViewKind::Button ? B_CONTROL_ON : state.value);
		return std::string();
	});
}

std::string
HeadlessDisplay::Type(const std::string& window, const std::string& view, const std::string& text)
{
	return _ActOnView(
	    window, view, true, [&](WindowRecord& record, ViewState& control, Posts* posts) {
		    ViewState* input = &control;
		    for (int32 child : control.children) {
			    if (control.kind == ViewKind::TextControl &&
			        record.views.at(child).kind == ViewKind::TextView)
				    input = &record.views.at(child);
		    }
		    if (input->kind != ViewKind::TextView)
			    return view + " takes no text";
		    for (size_t offset = 0; offset < text.size();) {
			    size_t length = CharacterLength(text, offset);
			    if (input->maxBytes <= 0 ||
			        input->text.size() + length <= (size_t)input->maxBytes) {
				    input->text += text.substr(offset, length);
				    _Post(posts, kMsgTextChanged, *input).AddString("be:text", input->text.c_str());
			    }
			    offset += length;
		    }
		    return std::string();
	    });
}

std::string
HeadlessDisplay::SetText(const std::string& window, const std::string& view,
                         const std::string& text)
{
	return _ActOnView(window, view, true, [&](WindowRecord&, ViewState& state, Posts* posts) {
		if (state.kind != ViewKind::TextControl && state.kind != ViewKind::TextView)
			return view + " takes no text";
		_Post(posts, kMsgTextChanged, state).AddString("be:text", text.c_str());
		return std::string();
	});
}

std::string
HeadlessDisplay::ClickRow(const std::string& window, const std::string& view, int32 row,
                          Modifier modifier)
{
	return _ActOnView(
	    window, view, false, [&](WindowRecord& record, ViewState& state, Posts* posts) {
		    if (state.kind != ViewKind::ListView)
			    return view + " is not a list";
		    if (row < 0 || row >= (int32)state.rows.size())
			    return "no row " + std::to_string(row) + " in " + view;
		    if (state.listType == B_SINGLE_SELECTION_LIST)
			    modifier = Modifier::None;

		    std::set<int32> rows(state.selection.begin(), state.selection.end());
		    auto anchor = record.anchors.find(state.token);
		    switch (modifier) {
			    case Modifier::None:
				    rows = {row};
				    record.anchors[state.token] = row;
				    break;
			    case Modifier::Shift: {
				    int32 from = anchor != record.anchors.end() ? anchor->second : row;
				    rows.clear();
				    for (int32 index = std::min(from, row); index <= std::max(from, row); index++)
					    rows.insert(index);
				    break;
			    }
			    case Modifier::Control:
				    if (!rows.erase(row))
					    rows.insert(row);
				    record.anchors[state.token] = row;
				    break;
		    }
		    state.selection.assign(rows.begin(), rows.end());
		    BMessage& selection = _Post(posts, kMsgRowsSelected, state);
		    for (int32 index : rows)
			    selection.AddInt32("be:rows", index);
		    return std::string();
	    });
}

std::string
HeadlessDisplay::ChooseMenuItem(const std::string& window, const std::string& view,
                                const std::vector<std::string>& path)
{
	return _ActOnView(window, view, true, [&](WindowRecord&, ViewState& state, Posts* posts) {
		if (state.kind != ViewKind::MenuBar && state.kind != ViewKind::MenuField)
			return view + " has no menu";
		if (path.empty())
			return std::string("no menu item named");
		const std::vector<MenuItemState>* items = &state.menu;
		const MenuItemState* item = nullptr;
		for (const std::string& label : path) {
			if (item != nullptr)
				items = &item->items;
			item = FindMenuItem(*items, label);
			if (item == nullptr)
				return "no menu item " + label + " in " + view;
			if (!item->enabled)
				return "menu item " + label + " is disabled";
		}
		if (item->hasSubmenu)
			return "menu item " + item->label + " opens a submenu";
		_Post(posts, kMsgMenuItemChosen, state).AddInt32("be:item", item->token);
		return std::string();
	});
}

std::string
HeadlessDisplay::SelectTab(const std::string& window, const std::string& view, int32 index)
{
	return _ActOnView(window, view, false, [&](WindowRecord&, ViewState& state, Posts* posts) {
		if (state.kind != ViewKind::TabView)
			return view + " is not a tab view";
		if (index < 0 || index >= (int32)state.tabLabels.size())
			return "no tab " + std::to_string(index) + " in " + view;
		_Post(posts, kMsgTabChosen, state).AddInt32("be:index", index);
		return std::string();
	});
}

std::string
HeadlessDisplay::Drop(const std::string& window, const std::string& view, const BMessage& drop)
{
	return _ActOnView(window, view, false, [&](WindowRecord&, ViewState& state, Posts* posts) {
		BMessage dropped(drop);
		dropped.what = kMsgFilesDropped;
		dropped.AddInt32("be:view", state.token);
		posts->push_back(dropped);
		return std::string();
	});
}

std::string
HeadlessDisplay::DropFiles(const std::string& window, const std::string& view,
                           const std::vector<std::string>& paths)
{
	BMessage drop(B_SIMPLE_DATA);
	std::string error = AddRefs(&drop, paths);
	return error.empty() ? Drop(window, view, drop) : error;
}

std::string
HeadlessDisplay::ClickCloseBox(const std::string& window)
{
	return _ActOnWindow(window, WindowKind::Normal, [&](WindowRecord& record, Posts* posts) {
		if ((record.state.flags & B_NOT_CLOSABLE) != 0)
			return window + " has no close box";
		posts->emplace_back(kMsgCloseBox);
		return std::string();
	});
}

std::string
HeadlessDisplay::ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths)
{
	return _ActOnWindow(panel, WindowKind::FilePanel, [&](WindowRecord& record, Posts* posts) {
		const FilePanelState& state = record.state.panel;
		if (state.save)
			return panel + " is a save panel";
		if (paths.empty())
			return "nothing chosen in " + panel;
		if (paths.size() > 1 && !state.multipleSelection)
			return panel + " takes one entry";
		for (const std::string& path : paths) {
			std::string error = CheckFlavor(path, state.nodeFlavors);
			if (!error.empty())
				return panel + ": " + error;
		}
		return AddRefs(&posts->emplace_back(kMsgPanelConfirmed), paths);
	});
}

std::string
HeadlessDisplay::ConfirmSavePanel(const std::string& panel, const std::string& directory,
                                  const std::string& name)
{
	return _ActOnWindow(panel, WindowKind::FilePanel, [&](WindowRecord& record, Posts* posts) {
		struct stat folder;
		entry_ref ref;
		if (!record.state.panel.save)
			return panel + " is an open panel";
		if (stat(directory.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
		    get_ref_for_path(directory.c_str(), &ref) != B_OK)
			return "no folder at " + directory;
		if (name.empty())
			return "no name typed in " + panel;
		BMessage& confirm = posts->emplace_back(kMsgPanelConfirmed);
		confirm.AddRef("directory", &ref);
		confirm.AddString("name", name.c_str());
		return std::string();
	});
}

std::string
HeadlessDisplay::CancelPanel(const std::string& panel)
{
	return _ActOnWindow(panel, WindowKind::FilePanel, [&](WindowRecord&, Posts* posts) {
		posts->emplace_back(kMsgPanelCancelled);
		return std::string();
	});
}

void
HeadlessDisplay::ExpectAlert(const std::string& title, const std::string& text, int32 button)
{
	std::scoped_lock lock(fLock);
	fExpectedAlerts.push_back({title, text, button});
}

std::string
HeadlessDisplay::PressAlertButton(const std::string& alert, int32 button)
{
	return _ActOnWindow(alert, WindowKind::Alert, [&](WindowRecord& record, Posts* posts) {
		if (button < 0 || button >= (int32)record.state.alert.buttons.size())
			return alert + " has no button " + std::to_string(button);
		posts->emplace_back(kMsgAlertButton).AddInt32("be:index", button);
		return std::string();
	});
}

int32
HeadlessDisplay::CountExpectedAlerts() const
{
	std::scoped_lock lock(fLock);
	return (int32)fExpectedAlerts.size();
}

std::vector<std::string>
HeadlessDisplay::TakeProblems()
{
	std::scoped_lock lock(fLock);
	return std::exchange(fProblems, {});
}

const HeadlessDisplay::WindowRecord*
HeadlessDisplay::_FindWindow(const std::string& title) const
{
	const WindowRecord* best = nullptr;
	for (int32 token : fCreationOrder) {
		const WindowRecord& record = fWindows.at(token);
		if (record.state.title != title)
			continue;
		// A shown window wins over hidden ones, the one shown last over
		// the others.
		if (best == nullptr || (record.state.shown && !best->state.shown) ||
		    (record.state.shown == best->state.shown && record.shownOrder > best->shownOrder))
			best = &record;
	}
	return best;
}

const ViewState*
HeadlessDisplay::_FindView(const WindowRecord& window, const std::string& name) const
{
	return _FindView(window, window.state.children, name);
}

const ViewState*
HeadlessDisplay::_FindView(const WindowRecord& window, const std::vector<int32>& tokens,
                           const std::string& name) const
{
	for (int32 token : tokens) {
		auto found = window.views.find(token);
		if (found == window.views.end())
			continue;
		if (found->second.name == name)
			return &found->second;
		if (const ViewState* below = _FindView(window, found->second.children, name))
			return below;
	}
	return nullptr;
}

bool
HeadlessDisplay::_IsBlocked(const WindowRecord& window) const
{
	const WindowRecord* front = nullptr;
	for (const auto& [token, record] : fWindows) {
		if (record.state.shown && IsModal(record.state) &&
		    (front == nullptr || record.shownOrder > front->shownOrder))
			front = &record;
	}
	return front != nullptr && front != &window;
}

bool
HeadlessDisplay::_IsOnHiddenTab(const WindowRecord& window, const ViewState& view) const
{
	std::set<int32> hiddenPages;
	for (const auto& [token, state] : window.views) {
		if (state.kind != ViewKind::TabView)
			continue;
		for (int32 index = 0; index < (int32)state.tabPages.size(); index++) {
			if (index != state.selectedTab)
				hiddenPages.insert(state.tabPages[index]);
		}
	}
	for (const ViewState* above = &view; above != nullptr;) {
		if (hiddenPages.count(above->token) != 0)
			return true;
		auto parent = window.views.find(above->parent);
		above = parent != window.views.end() ? &parent->second : nullptr;
	}
	return false;
}

std::string
HeadlessDisplay::_ReachWindow(const std::string& title, WindowKind kind, WindowRecord** window)
{
	const WindowRecord* record = _FindWindow(title);
	if (record == nullptr || !record->state.shown)
		return "no window " + title + " is shown";
	if (record->state.kind != kind)
		return title + " is not that kind of window";
	if (_IsBlocked(*record))
		return title + " is blocked by a modal window";
	*window = &fWindows.at(record->state.token);
	return "";
}

std::string
HeadlessDisplay::_ActOnWindow(const std::string& title, WindowKind kind, const WindowAction& action)
{
	BMessenger target;
	Posts posts;
	{
		std::scoped_lock lock(fLock);
		WindowRecord* record;
		std::string error = _ReachWindow(title, kind, &record);
		if (error.empty())
			error = action(*record, &posts);
		if (!error.empty())
			return error;
		target = record->state.target;
	}
	for (BMessage& message : posts)
		target.SendMessage(&message);
	return "";
}

std::string
HeadlessDisplay::_ActOnView(const std::string& window, const std::string& view, bool mustBeEnabled,
                            const ViewAction& action)
{
	return _ActOnWindow(window, WindowKind::Normal, [&](WindowRecord& record, Posts* posts) {
		const ViewState* found = _FindView(record, view);
		if (found == nullptr)
			return "no view " + view + " in " + window;
		if (_IsOnHiddenTab(record, *found))
			return view + " is on a tab that is not shown";
		if (mustBeEnabled && !found->enabled)
			return view + " is disabled";
		return action(record, record.views.at(found->token), posts);
	});
}

BMessage&
HeadlessDisplay::_Post(Posts* posts, uint32 what, const ViewState& view)
{
	BMessage& message = posts->emplace_back(what);
	message.AddInt32("be:view", view.token);
	return message;
}

HeadlessDisplay::AlertAnswer
HeadlessDisplay::_AnswerAlert(const WindowState& alert)
{
	int32 rightmost = (int32)alert.alert.buttons.size() - 1;
	if (fExpectedAlerts.empty()) {
		fProblems.push_back("unexpected alert " + alert.title + ": " + alert.alert.text);
		return {alert.target, rightmost};
	}
	ExpectedAlert expected = fExpectedAlerts.front();
	fExpectedAlerts.pop_front();
	if (expected.title != alert.title || expected.text != alert.alert.text) {
		fProblems.push_back("expected alert " + expected.title + ": " + expected.text +
		                    "\n but got " + alert.title + ": " + alert.alert.text);
		return {alert.target, rightmost};
	}
	if (expected.button < kKeepAlertOpen || expected.button > rightmost) {
		fProblems.push_back("alert " + alert.title + " has no button " +
		                    std::to_string(expected.button));
		return {alert.target, rightmost};
	}
	return {alert.target, expected.button};
}
