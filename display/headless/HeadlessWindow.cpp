#include "HeadlessWindow.h"

#include <set>

using namespace BPrivate;

void
HeadlessWindow::Apply(WindowUpdate update)
{
	fState = std::move(update.window);
	for (int32 removed : update.removedViews)
		fViews.erase(removed);
	for (ViewState& view : update.views)
		fViews[view.token] = std::make_shared<const ViewState>(std::move(view));
}

const WindowState&
HeadlessWindow::State() const
{
	return fState;
}

const ViewState*
HeadlessWindow::View(int32 token) const
{
	auto found = fViews.find(token);
	return found != fViews.end() ? found->second.get() : nullptr;
}

const ViewState*
HeadlessWindow::FindView(const std::string& name) const
{
	return _FindView(fState.children, name);
}

BRect
HeadlessWindow::FrameInWindow(const ViewState& view) const
{
	BRect frame = view.frame;
	for (const ViewState* above = View(view.parent); above != nullptr; above = View(above->parent))
		frame.OffsetBy(above->frame.left, above->frame.top);
	return frame;
}

bool
HeadlessWindow::IsOnHiddenTab(const ViewState& view) const
{
	std::set<int32> hiddenPages;
	for (const auto& [token, state] : fViews) {
		if (state->kind != ViewKind::TabView)
			continue;
		for (int32 index = 0; index < (int32)state->tabPages.size(); index++) {
			if (index != state->selectedTab)
				hiddenPages.insert(state->tabPages[index]);
		}
	}
	for (const ViewState* above = &view; above != nullptr; above = View(above->parent)) {
		if (hiddenPages.count(above->token) != 0)
			return true;
	}
	return false;
}

const ViewState*
HeadlessWindow::_FindView(const std::vector<int32>& tokens, const std::string& name) const
{
	for (int32 token : tokens) {
		const ViewState* view = View(token);
		if (view == nullptr)
			continue;
		if (view->name == name)
			return view;
		if (const ViewState* below = _FindView(view->children, name))
			return below;
	}
	return nullptr;
}
