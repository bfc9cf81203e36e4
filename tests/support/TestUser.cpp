#include "TestUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sys/stat.h>
#include <utility>

#include <EntryRef.h>
#include <LooperList.h>
#include <NodeFlavors.h>
#include <Utf8.h>

#include "MessageLog.h"

using namespace BPrivate;

namespace {

const MenuItemState*
FindMenuItem(const std::vector<MenuItemState>& items, const std::string& label)
{
	for (const MenuItemState& item : items) {
		if (!item.separator && item.label == label)
			return &item;
	}
	return nullptr;
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

TestUser::TestUser(HeadlessDisplay& display) : fDisplay(display), fAtOnce(false)
{
	fDisplay.SetObserver(
	    [this](const WindowState& window, bool cameUp) { _Observe(window, cameUp); });
}

TestUser::~TestUser()
{
	fDisplay.SetObserver({});
}

bool
TestUser::WaitIdle()
{
	bool idle = LooperList::WaitForIdle(MessageLog::kTimeout);
	if (!idle)
		ADD_FAILURE() << "the program did not come to rest in time";
	for (const std::string& problem : TakeProblems())
		ADD_FAILURE() << problem;
	return idle;
}

bool
TestUser::Click(const std::string& window, const std::string& view)
{
	return _OnView(window, view, true,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		               int32 value = B_CONTROL_ON;
		               if (state.kind == ViewKind::CheckBox)
			               value = state.value == B_CONTROL_ON ? B_CONTROL_OFF : B_CONTROL_ON;
		               else if (state.kind != ViewKind::Button)
			               return view + " is neither a button nor a check box";
		               _Post(posts, kMsgControlValue, state).AddInt32("be:value", value);
		               return std::string();
	               });
}

bool
TestUser::Type(const std::string& window, const std::string& view, const std::string& text)
{
	return _OnView(
	    window, view, true,
	    [&](const HeadlessWindow& shown, const ViewState& control, Posts* posts) {
		    const ViewState* input = &control;
		    for (int32 child : control.children) {
			    const ViewState* below = shown.View(child);
			    if (control.kind == ViewKind::TextControl && below != nullptr &&
			        below->kind == ViewKind::TextView)
				    input = below;
		    }
		    if (input->kind != ViewKind::TextView)
			    return view + " takes no text";
		    std::string typed = input->text;
		    for (size_t offset = 0, length; (length = Utf8::CharacterLength(text, offset)) > 0;
		         offset += length) {
			    if ((int64)(typed.size() + length) > input->maxBytes)
				    continue;
			    typed += text.substr(offset, length);
			    _Post(posts, kMsgTextChanged, *input).AddString("be:text", typed.c_str());
		    }
		    return std::string();
	    });
}

bool
TestUser::SetText(const std::string& window, const std::string& view, const std::string& text)
{
	return _OnView(window, view, true,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		               if (state.kind != ViewKind::TextControl && state.kind != ViewKind::TextView)
			               return view + " takes no text";
		               _Post(posts, kMsgTextChanged, state).AddString("be:text", text.c_str());
		               return std::string();
	               });
}

bool
TestUser::ClickRow(const std::string& window, const std::string& view, int32 row, Modifier modifier)
{
	return _OnView(
	    window, view, false, [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		    if (state.kind != ViewKind::ListView)
			    return view + " is not a list";
		    if (row < 0 || row >= (int32)state.rows.size())
			    return "no row " + std::to_string(row) + " in " + view;
		    if (state.listType == B_SINGLE_SELECTION_LIST)
			    modifier = Modifier::None;

		    std::set<int32> rows(state.selection.begin(), state.selection.end());
		    auto anchor = fAnchors.find(state.token);
		    switch (modifier) {
			    case Modifier::None:
				    rows = {row};
				    fAnchors[state.token] = row;
				    break;
			    case Modifier::Shift: {
				    int32 from = anchor != fAnchors.end() ? anchor->second : row;
				    rows.clear();
				    for (int32 index = std::min(from, row); index <= std::max(from, row); index++)
					    rows.insert(index);
				    break;
			    }
			    case Modifier::Control:
				    if (!rows.erase(row))
					    rows.insert(row);
				    fAnchors[state.token] = row;
				    break;
		    }
		    BMessage& selection = _Post(posts, kMsgRowsSelected, state);
		    for (int32 index : rows)
			    selection.AddInt32("be:rows", index);
		    return std::string();
	    });
}

bool
TestUser::ChooseMenuItem(const std::string& window, const std::string& view,
                         const std::vector<std::string>& path)
{
	return _OnView(window, view, true,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
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

bool
TestUser::SelectTab(const std::string& window, const std::string& view, const std::string& label)
{
	return _OnView(window, view, false,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		               if (state.kind != ViewKind::TabView)
			               return view + " is not a tab view";
		               auto tab = std::find(state.tabLabels.begin(), state.tabLabels.end(), label);
		               if (tab == state.tabLabels.end())
			               return "no tab " + label + " in " + view;
		               _Post(posts, kMsgTabChosen, state)
		                   .AddInt32("be:index", (int32)(tab - state.tabLabels.begin()));
		               return std::string();
	               });
}

bool
TestUser::DropFiles(const std::string& window, const std::string& view,
                    const std::vector<std::string>& paths)
{
	BMessage drop(B_SIMPLE_DATA);
	std::string error = AddRefs(&drop, paths);
	return error.empty() ? Drop(window, view, drop) : _Refused(error);
}

bool
TestUser::Drop(const std::string& window, const std::string& view, const BMessage& drop)
{
	return _OnView(window, view, false,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		               BMessage& dropped = posts->emplace_back(drop);
		               dropped.what = kMsgFilesDropped;
		               dropped.AddInt32("be:view", state.token);
		               return std::string();
	               });
}

bool
TestUser::ClickCloseBox(const std::string& window)
{
	return _OnWindow(window, WindowKind::Normal, [&](const HeadlessWindow& shown, Posts* posts) {
		if ((shown.State().flags & B_NOT_CLOSABLE) != 0)
			return window + " has no close box";
		posts->emplace_back(kMsgCloseBox);
		return std::string();
	});
}

bool
TestUser::PressKey(const std::string& window, const std::string& view, const std::string& bytes,
                   uint32 modifiers)
{
	return _OnView(window, view, false,
	               [&](const HeadlessWindow&, const ViewState& state, Posts* posts) {
		               BMessage& key = _Post(posts, kMsgKeyDown, state);
		               key.AddString("bytes", bytes.c_str());
		               key.AddInt32("modifiers", (int32)modifiers);
		               return std::string();
	               });
}

bool
TestUser::ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths)
{
	return _OnWindow(panel, WindowKind::FilePanel, [&](const HeadlessWindow& shown, Posts* posts) {
		const FilePanelState& state = shown.State().panel;
		if (state.save)
			return panel + " is a save panel";
		if (paths.empty())
			return "nothing chosen in " + panel;
		if (paths.size() > 1 && !state.multipleSelection)
			return panel + " takes one entry";
		for (const std::string& path : paths) {
			if (!NodeFlavors::Suits(path, state.nodeFlavors))
				return panel + ": " + path + " is missing or does not suit its node flavours";
		}
		return AddRefs(&posts->emplace_back(kMsgPanelConfirmed), paths);
	});
}

bool
TestUser::ConfirmSavePanel(const std::string& panel, const std::string& directory,
                           const std::string& name)
{
	return _OnWindow(panel, WindowKind::FilePanel, [&](const HeadlessWindow& shown, Posts* posts) {
		struct stat folder;
		entry_ref ref;
		if (!shown.State().panel.save)
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

bool
TestUser::CancelPanel(const std::string& panel)
{
	return _OnWindow(panel, WindowKind::FilePanel, [&](const HeadlessWindow&, Posts* posts) {
		posts->emplace_back(kMsgPanelCancelled);
		return std::string();
	});
}

void
TestUser::ExpectAlert(const std::string& title, const std::string& text, int32 button)
{
	std::scoped_lock lock(fAlertLock);
	fExpectedAlerts.push_back({title, text, button});
}

bool
TestUser::PressAlertButton(const std::string& alert, int32 button)
{
	return _OnWindow(alert, WindowKind::Alert, [&](const HeadlessWindow& shown, Posts* posts) {
		if (button < 0 || button >= (int32)shown.State().alert.buttons.size())
			return alert + " has no button " + std::to_string(button);
		posts->emplace_back(kMsgAlertButton).AddInt32("be:index", button);
		return std::string();
	});
}

int32
TestUser::CountExpectedAlerts() const
{
	std::scoped_lock lock(fAlertLock);
	return (int32)fExpectedAlerts.size();
}

std::vector<std::string>
TestUser::TakeProblems()
{
	std::scoped_lock lock(fAlertLock);
	return std::exchange(fProblems, {});
}

std::string
TestUser::Refusal(const std::function<void()>& action)
{
	fAtOnce = true;
	fRefusal.clear();
	action();
	fAtOnce = false;
	return std::exchange(fRefusal, {});
}

ViewState
TestUser::View(const std::string& window, const std::string& view)
{
	WaitIdle();
	std::optional<ViewState> state = fDisplay.FindView(window, view);
	if (!state) {
		ADD_FAILURE() << "no view " << view << " in a window " << window;
		return ViewState();
	}
	return *state;
}

WindowState
TestUser::Window(const std::string& title)
{
	WaitIdle();
	std::optional<WindowState> state = fDisplay.FindWindow(title);
	if (!state) {
		ADD_FAILURE() << "no window " << title;
		return WindowState();
	}
	return *state;
}

bool
TestUser::IsShown(const std::string& title)
{
	WaitIdle();
	std::optional<WindowState> state = fDisplay.FindWindow(title);
	return state && state->shown;
}

std::vector<std::string>
TestUser::ShownWindows()
{
	WaitIdle();
	std::vector<std::string> titles;
	for (const WindowState& window : fDisplay.Windows()) {
		if (window.shown)
			titles.push_back(window.title);
	}
	return titles;
}

std::string
TestUser::MarkedItem(const std::string& window, const std::string& view,
                     const std::vector<std::string>& path)
{
	ViewState state = View(window, view);
	const std::vector<MenuItemState>* items = &state.menu;
	for (const std::string& label : path) {
		const MenuItemState* submenu = nullptr;
		for (const MenuItemState& item : *items) {
			if (item.label == label)
				submenu = &item;
		}
		if (submenu == nullptr) {
			ADD_FAILURE() << "no menu " << label << " in " << view;
			return "";
		}
		items = &submenu->items;
	}
	for (const MenuItemState& item : *items) {
		if (item.marked)
			return item.label;
	}
	return "";
}

BRect
TestUser::FrameInWindow(const std::string& window, const std::string& view)
{
	WaitIdle();
	std::optional<BRect> frame = fDisplay.FrameInWindow(window, view);
	if (!frame) {
		ADD_FAILURE() << "no view " << view << " in a window " << window;
		return BRect();
	}
	return *frame;
}

bool
TestUser::_OnWindow(const std::string& title, WindowKind kind, const WindowAction& action)
{
	// An alert that is up holds a thread in its Go(): the program cannot
	// come to rest before it is answered.
	if (!fAtOnce && kind != WindowKind::Alert)
		WaitIdle();
	std::optional<HeadlessWindow> window = fDisplay.Snapshot(title);
	Posts posts;
	std::string error;
	if (!window || !window->State().shown)
		error = "no window " + title + " is shown";
	else if (window->State().kind != kind)
		error = title + " is not that kind of window";
	else if (fDisplay.IsBlocked(window->State().token))
		error = title + " is blocked by a modal window";
	else
		error = action(*window, &posts);
	if (!error.empty())
		return _Refused(error);
	for (BMessage& message : posts)
		window->State().target.SendMessage(&message);
	return fAtOnce || WaitIdle();
}

bool
TestUser::_OnView(const std::string& window, const std::string& view, bool mustBeEnabled,
                  const ViewAction& action)
{
	return _OnWindow(window, WindowKind::Normal, [&](const HeadlessWindow& shown, Posts* posts) {
		const ViewState* found = shown.FindView(view);
		if (found == nullptr)
			return "no view " + view + " in " + window;
		if (shown.IsOnHiddenTab(*found))
			return view + " is on a tab that is not shown";
		if (mustBeEnabled && !found->enabled)
			return view + " is disabled";
		return action(shown, *found, posts);
	});
}

bool
TestUser::_Refused(const std::string& reason)
{
	if (fAtOnce)
		fRefusal = reason;
	else
		ADD_FAILURE() << reason;
	return false;
}

BMessage&
TestUser::_Post(Posts* posts, uint32 what, const ViewState& view)
{
	BMessage& message = posts->emplace_back(what);
	message.AddInt32("be:view", view.token);
	return message;
}

void
TestUser::_Observe(const WindowState& window, bool cameUp)
{
	if (!cameUp || window.kind != WindowKind::Alert)
		return;
	int32 button = _Answer(window);
	if (button == kKeepAlertOpen)
		return;
	BMessage press(kMsgAlertButton);
	press.AddInt32("be:index", button);
	window.target.SendMessage(&press);
}

int32
TestUser::_Answer(const WindowState& alert)
{
	std::scoped_lock lock(fAlertLock);
	int32 rightmost = (int32)alert.alert.buttons.size() - 1;
	if (fExpectedAlerts.empty()) {
		fProblems.push_back("unexpected alert " + alert.title + ": " + alert.alert.text);
		return rightmost;
	}
	ExpectedAlert expected = fExpectedAlerts.front();
	fExpectedAlerts.pop_front();
	if (expected.title != alert.title || expected.text != alert.alert.text) {
		fProblems.push_back("expected alert " + expected.title + ": " + expected.text +
		                    "\n but got " + alert.title + ": " + alert.alert.text);
		return rightmost;
	}
	if (expected.button < kKeepAlertOpen || expected.button > rightmost) {
		fProblems.push_back("alert " + alert.title + " has no button " +
		                    std::to_string(expected.button));
		return rightmost;
	}
	return expected.button;
}
