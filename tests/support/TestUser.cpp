#include "TestUser.h"

#include <gtest/gtest.h>

#include <LooperList.h>

#include "MessageLog.h"

using BPrivate::LooperList;
using BPrivate::MenuItemState;
using BPrivate::ViewState;
using BPrivate::WindowState;

TestUser::TestUser(HeadlessDisplay& display) : fDisplay(display) {}

bool
TestUser::WaitIdle()
{
	bool idle = LooperList::WaitForIdle(MessageLog::kTimeout);
	if (!idle)
		ADD_FAILURE() << "the program did not come to rest in time";
	for (const std::string& problem : fDisplay.TakeProblems())
		ADD_FAILURE() << problem;
	return idle;
}

bool
TestUser::_Do(const std::string& error)
{
	if (!error.empty()) {
		ADD_FAILURE() << error;
		return false;
	}
	return WaitIdle();
}

bool
TestUser::Click(const std::string& window, const std::string& view)
{
	WaitIdle();
	return _Do(fDisplay.Click(window, view));
}

bool
TestUser::Type(const std::string& window, const std::string& view, const std::string& text)
{
	WaitIdle();
	return _Do(fDisplay.Type(window, view, text));
}

bool
TestUser::SetText(const std::string& window, const std::string& view, const std::string& text)
{
	WaitIdle();
	return _Do(fDisplay.SetText(window, view, text));
}

bool
TestUser::ClickRow(const std::string& window, const std::string& view, int32 row, Modifier modifier)
{
	WaitIdle();
	return _Do(fDisplay.ClickRow(window, view, row, modifier));
}

bool
TestUser::ChooseMenuItem(const std::string& window, const std::string& view,
                         const std::vector<std::string>& path)
{
	WaitIdle();
	return _Do(fDisplay.ChooseMenuItem(window, view, path));
}

bool
TestUser::SelectTab(const std::string& window, const std::string& view, const std::string& label)
{
	WaitIdle();
	std::optional<ViewState> tabs = fDisplay.FindView(window, view);
	if (tabs) {
		for (size_t index = 0; index < tabs->tabLabels.size(); index++) {
			if (tabs->tabLabels[index] == label)
				return _Do(fDisplay.SelectTab(window, view, (int32)index));
		}
	}
	return _Do("no tab " + label + " in " + view);
}

bool
TestUser::DropFiles(const std::string& window, const std::string& view,
                    const std::vector<std::string>& paths)
{
	WaitIdle();
	return _Do(fDisplay.DropFiles(window, view, paths));
}

bool
TestUser::Drop(const std::string& window, const std::string& view, const BMessage& drop)
{
	WaitIdle();
	return _Do(fDisplay.Drop(window, view, drop));
}

bool
TestUser::ClickCloseBox(const std::string& window)
{
	WaitIdle();
	return _Do(fDisplay.ClickCloseBox(window));
}

bool
TestUser::ConfirmOpenPanel(const std::string& panel, const std::vector<std::string>& paths)
{
	WaitIdle();
	return _Do(fDisplay.ConfirmOpenPanel(panel, paths));
}

bool
TestUser::ConfirmSavePanel(const std::string& panel, const std::string& directory,
                           const std::string& name)
{
	WaitIdle();
	return _Do(fDisplay.ConfirmSavePanel(panel, directory, name));
}

bool
TestUser::CancelPanel(const std::string& panel)
{
	WaitIdle();
	return _Do(fDisplay.CancelPanel(panel));
}

void
TestUser::ExpectAlert(const std::string& title, const std::string& text, int32 button)
{
	fDisplay.ExpectAlert(title, text, button);
}

bool
TestUser::PressAlertButton(const std::string& alert, int32 button)
{
	WaitIdle();
	return _Do(fDisplay.PressAlertButton(alert, button));
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
