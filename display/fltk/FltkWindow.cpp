#include "FltkWindow.h"

#include <FL/Fl.H>

#include <cmath>

#include "FltkConnection.h"
#include "FltkWidget.h"
#include <Display.h>

using namespace BPrivate;

namespace {

int
Pixels(float coordinate)
{
	return (int)std::lround(coordinate);
}

bool
IsModal(window_feel feel)
{
	return feel == B_MODAL_APP_WINDOW_FEEL || feel == B_MODAL_ALL_WINDOW_FEEL;
}

} // namespace

FltkWindow::FltkWindow(const WindowState& state, Listener listener)
    : Fl_Double_Window(Pixels(state.frame.left), Pixels(state.frame.top),
                       Pixels(state.frame.Width()) + 1, Pixels(state.frame.Height()) + 1),
      fState(state), fListener(std::move(listener)), fTreeChanged(true), fPlacing(false), fDraws(0),
      fListDraws(0)
{
	end();
	callback(_Closed);
	if (IsModal(state.feel))
		set_modal();
}

FltkWindow::~FltkWindow()
{
	// The widgets go first, while the window they lie in still exists.
	fWidgets.clear();
}

void
FltkWindow::Apply(WindowUpdate update)
{
	if (update.window.children != fState.children)
		fTreeChanged = true;
	fState = std::move(update.window);
	for (int32 removed : update.removedViews) {
		fViews.erase(removed);
		fWidgets.erase(removed);
		fDirty.erase(removed);
		fTreeChanged = true;
	}
	for (ViewState& view : update.views) {
		auto found = fViews.find(view.token);
		if (found == fViews.end() || found->second.children != view.children ||
		    found->second.frame != view.frame || found->second.selectedTab != view.selectedTab)
			fTreeChanged = true;
		fDirty.insert(view.token);
		fViews[view.token] = std::move(view);
	}
}

void
FltkWindow::Sync()
{
	SyncContent();
	if (fState.title != (label() != nullptr ? label() : ""))
		copy_label(fState.title.c_str());
	int x;
	int y;
	int width;
	int height;
	ScreenFrame(&x, &y, &width, &height);
	// Only a new frame from the program moves the window: an update that
	// left before the user moved it must not move it back.
	if (BRect(x, y, x + width, y + height) != fPlaced) {
		fPlaced = BRect(x, y, x + width, y + height);
		fPlacing = true;
		resize(x, y, width, height);
		fPlacing = false;
		size_range(width, height, width, height);
	}
	bool wasShown = shown() != 0;
	if (fState.shown && !wasShown) {
		show();
		if ((fState.flags & B_NOT_CLOSABLE) != 0)
			FltkConnection::KeepOnlyMoving(this);
	} else if (!fState.shown && wasShown) {
		hide();
	}
	redraw();
	if (wasShown != (shown() != 0))
		fListener(*this);
}

void
FltkWindow::Post(BMessage* message) const
{
	fState.target.SendMessage(message);
}

const WindowState&
FltkWindow::State() const
{
	return fState;
}

int32
FltkWindow::Draws() const
{
	return fDraws;
}

int32
FltkWindow::ListDraws() const
{
	return fListDraws;
}

void
FltkWindow::NoteListDrawn()
{
	fListDraws++;
}

std::optional<BRect>
FltkWindow::FrameOf(const std::string& label) const
{
	for (int index = 0; index < children(); index++) {
		const Fl_Widget* widget = child(index);
		if (widget->label() != nullptr && label == widget->label())
			return BRect(widget->x(), widget->y(), widget->x() + widget->w() - 1,
			             widget->y() + widget->h() - 1);
	}
	return std::nullopt;
}

void
FltkWindow::flush()
{
	Fl_Double_Window::flush();
	// Reported once the X server has the pixels, so that whoever waits
	// for the draw can look at the screen.
	FltkConnection::Sync();
	fDraws++;
	fListener(*this);
}

void
FltkWindow::resize(int x, int y, int width, int height)
{
	bool moved = x != this->x() || y != this->y();
	Fl_Double_Window::resize(x, y, width, height);
	if (fPlacing || !moved || !shown())
		return;
	// The user (or the window manager) moved the window.
	fState.frame.OffsetTo(x, y);
	BMessage input(kMsgWindowMoved);
	input.AddInt32("be:left", x);
	input.AddInt32("be:top", y);
	Post(&input);
}

void
FltkWindow::SyncContent()
{
	for (int32 token : fDirty) {
		const ViewState& state = fViews.at(token);
		std::unique_ptr<FltkWidget>& view = fWidgets[token];
		if (view == nullptr || view->Kind() != state.kind) {
			view = FltkWidget::Make(state);
			fTreeChanged = true;
		}
		auto parent = fViews.find(state.parent);
		view->Show(state, parent != fViews.end() ? &parent->second : nullptr);
	}
	fDirty.clear();
	if (!fTreeChanged)
		return;
	fTreeChanged = false;
	_Place(fState.children, 0, 0, true, nullptr, _HiddenPages());
}

void
FltkWindow::ScreenFrame(int* x, int* y, int* width, int* height) const
{
	*x = Pixels(fState.frame.left);
	*y = Pixels(fState.frame.top);
	*width = Pixels(fState.frame.Width()) + 1;
	*height = Pixels(fState.frame.Height()) + 1;
}

void
FltkWindow::CloseRequested(bool escape)
{
	if (escape || (fState.flags & B_NOT_CLOSABLE) != 0)
		return;
	BMessage close(kMsgCloseBox);
	Post(&close);
}

void
FltkWindow::_Closed(Fl_Widget* widget, void*)
{
	bool escape = Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape;
	static_cast<FltkWindow*>(widget)->CloseRequested(escape);
}

// Adds the widgets in tree order (parents below their children) and puts
// each at its place.
void
FltkWindow::_Place(const std::vector<int32>& tokens, int left, int top, bool visible,
                   const ViewState* parent, const std::set<int32>& hiddenPages)
{
	for (int32 token : tokens) {
		auto state = fViews.find(token);
		auto view = fWidgets.find(token);
		if (state == fViews.end() || view == fWidgets.end())
			continue;
		const BRect& frame = state->second.frame;
		int x = left + Pixels(frame.left);
		int y = top + Pixels(frame.top);
		int width = Pixels(frame.Width()) + 1;
		int height = Pixels(frame.Height()) + 1;
		if (state->second.kind == ViewKind::ListView && parent != nullptr &&
		    parent->kind == ViewKind::ScrollView) {
			x = left;
			y = top;
			width = Pixels(parent->frame.Width()) + 1;
			height = Pixels(parent->frame.Height()) + 1;
		}
		bool shown = visible && hiddenPages.count(token) == 0;
		Fl_Widget* widget = view->second->Widget();
		add(widget);
		view->second->Place(x, y, width, height);
		if (shown)
			widget->show();
		else
			widget->hide();
		_Place(state->second.children, x, y, shown, &state->second, hiddenPages);
	}
}

std::set<int32>
FltkWindow::_HiddenPages() const
{
	std::set<int32> hidden;
	for (const auto& [token, state] : fViews) {
		if (state.kind != ViewKind::TabView)
			continue;
		for (int32 index = 0; index < (int32)state.tabPages.size(); index++) {
			if (index != state.selectedTab)
				hidden.insert(state.tabPages[index]);
		}
	}
	return hidden;
}
