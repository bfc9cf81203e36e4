#include "FltkWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/fl_draw.H>

#include <cmath>

#include "FltkConnection.h"
#include "FltkKeys.h"
#include "FltkMenuBar.h"
#include "FltkScale.h"
#include "FltkTabView.h"
#include "FltkWidget.h"
#include <Display.h>

using namespace BPrivate;

namespace {

bool
IsModal(window_feel feel)
{
	return feel == B_MODAL_APP_WINDOW_FEEL || feel == B_MODAL_ALL_WINDOW_FEEL;
}

} // namespace

FltkWindow::FltkWindow(const WindowState& state, Listener listener)
    : Fl_Double_Window(0, 0, 1, 1), fState(state), fListener(std::move(listener)), fOwner(nullptr),
      fTreeChanged(true), fPlacing(false), fDraws(0), fListDraws(0)
{
	int x;
	int y;
	int width;
	int height;
	FltkScale::Rect(state.frame, &x, &y, &width, &height);
	resize(x, y, width, height);
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
FltkWindow::SetOwner(const FltkWindow* owner)
{
	fOwner = owner;
}

const FltkWindow*
FltkWindow::Owner() const
{
	return fOwner;
}

bool
FltkWindow::IsDialog() const
{
	return fState.kind != WindowKind::Normal || IsModal(fState.feel);
}

void
FltkWindow::Sync()
{
	const Fl_Widget* focused =
	    Fl::focus() != nullptr && Fl::focus()->window() == this ? Fl::focus() : nullptr;
	SyncContent();
	// FLTK hands the focus of a widget it hides to some other widget, or
	// to none.
	if (focused != nullptr && (Fl::focus() != focused || !_HasFocus()))
		_FocusFirst();
	if (fState.title != (label() != nullptr ? label() : ""))
		copy_label(fState.title.c_str());
	// Only a new frame from the program moves the window: an update that
	// left before the user moved it must not move it back.
	BRect placement = _Placement();
	if (placement != fPlaced) {
		fPlaced = placement;
		int x = (int)placement.left;
		int y = (int)placement.top;
		int width = (int)placement.Width();
		int height = (int)placement.Height();
		fPlacing = true;
		resize(x, y, width, height);
		fPlacing = false;
		size_range(width, height, width, height);
	}
	bool wasShown = shown() != 0;
	if (fState.shown && !wasShown) {
		if (IsDialog())
			FltkConnection::ShowDialog(this, fOwner, IsModal(fState.feel));
		else
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

std::vector<std::string>
FltkWindow::Overflows() const
{
	std::vector<FltkWidget::TextRoom> texts;
	for (int index = 0; index < children(); index++) {
		const Fl_Widget* widget = child(index);
		if (!widget->visible())
			continue;
		if (const FltkWidget* view = dynamic_cast<const FltkWidget*>(widget)) {
			std::vector<FltkWidget::TextRoom> own = view->Texts();
			texts.insert(texts.end(), own.begin(), own.end());
		} else if (const Fl_Button* button = dynamic_cast<const Fl_Button*>(widget)) {
			texts.push_back(FltkWidget::ButtonText(*button));
		}
	}
	std::vector<std::string> overflows;
	fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
	for (const FltkWidget::TextRoom& text : texts) {
		int width = (int)std::ceil(fl_width(text.text.c_str()));
		if (width > text.width || fl_height() > text.height)
			overflows.push_back("\"" + text.text + "\" (" + std::to_string(width) + " x " +
			                    std::to_string(fl_height()) + ") in " + std::to_string(text.width) +
			                    " x " + std::to_string(text.height));
	}
	return overflows;
}

int
FltkWindow::handle(int event)
{
	// Keys come as shortcuts once the focused widget and the window's
	// navigation have left them.
	if (event != FL_SHORTCUT)
		return Fl_Double_Window::handle(event);
	if (_WindowKey() || Fl_Double_Window::handle(event))
		return 1;
	// Escape is the window's close request, from FLTK itself.
	std::string bytes = FltkKeys::Bytes();
	FltkWidget* view = dynamic_cast<FltkWidget*>(Fl::focus());
	if (Fl::event_key() == FL_Escape || bytes.empty() || view == nullptr ||
	    Fl::focus()->window() != this)
		return 0;
	view->SendKey(bytes, FltkKeys::Modifiers());
	return 1;
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
	// The user (or the window manager) moved the window; where the kits
	// now have it, the screen keeps it.
	int32 left = (int32)std::lround(FltkScale::Kit(x));
	int32 top = (int32)std::lround(FltkScale::Kit(y));
	fState.frame.OffsetTo(left, top);
	fPlaced = _Placement();
	BMessage input(kMsgWindowMoved);
	input.AddInt32("be:left", left);
	input.AddInt32("be:top", top);
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
	_Place(fState.children, BPoint(0, 0), true, nullptr, _HiddenPages());
}

void
FltkWindow::ScreenFrame(int* x, int* y, int* width, int* height) const
{
	FltkScale::Rect(fState.frame, x, y, width, height);
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
// each at its place: its frame moved by the parent's corner (origin), in the
// window's coordinates of the kits, mapped to the screen at once.
void
FltkWindow::_Place(const std::vector<int32>& tokens, BPoint origin, bool visible,
                   const ViewState* parent, const std::set<int32>& hiddenPages)
{
	for (int32 token : tokens) {
		auto state = fViews.find(token);
		auto view = fWidgets.find(token);
		if (state == fViews.end() || view == fWidgets.end())
			continue;
		BRect frame = state->second.frame;
		frame.OffsetBy(origin);
		if (state->second.kind == ViewKind::ListView && parent != nullptr &&
		    parent->kind == ViewKind::ScrollView)
			frame = parent->frame.OffsetToCopy(origin.x, origin.y);
		bool shown = visible && hiddenPages.count(token) == 0;
		Fl_Widget* widget = view->second->Widget();
		add(widget);
		view->second->Place(frame);
		if (shown)
			widget->show();
		else
			widget->hide();
		_Place(state->second.children, frame.LeftTop(), shown, &state->second, hiddenPages);
	}
}

// Where the window goes, as pixels on the screen (right and bottom one past
// the window).
BRect
FltkWindow::_Placement() const
{
	int x;
	int y;
	int width;
	int height;
	ScreenFrame(&x, &y, &width, &height);
	return BRect(x, y, x + width, y + height);
}

bool
FltkWindow::_WindowKey()
{
	if (Fl::event_key() == FL_F + 10 && Fl::event_state(FL_CTRL | FL_ALT | FL_SHIFT) == 0) {
		FltkMenuBar* bar = _Find<FltkMenuBar>();
		if (bar != nullptr)
			bar->OpenFirstMenu();
		return bar != nullptr;
	}
	int32 step = FltkKeys::TabStep();
	FltkTabView* tabs = step != 0 ? _Find<FltkTabView>() : nullptr;
	if (tabs != nullptr)
		tabs->ChooseNext(step);
	return tabs != nullptr;
}

template <class Widget>
Widget*
FltkWindow::_Find() const
{
	for (const auto& [token, view] : fWidgets) {
		Widget* widget = dynamic_cast<Widget*>(view.get());
		if (widget != nullptr && widget->visible_r() && widget->active_r())
			return widget;
	}
	return nullptr;
}

bool
FltkWindow::_HasFocus() const
{
	const Fl_Widget* focus = Fl::focus();
	return focus != nullptr && focus->window() == this && focus->visible_r() && focus->active_r();
}

void
FltkWindow::_FocusFirst()
{
	for (int index = 0; index < children(); index++) {
		if (child(index)->take_focus())
			return;
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
