#include "FltkListView.h"

#include <FL/Fl.H>

#include "FltkScale.h"
#include "FltkUriList.h"
#include "FltkWindow.h"

using namespace BPrivate;

FltkListView::FltkListView(int32 token)
    : Fl_Browser(0, 0, 1, 1), FltkWidget(ViewKind::ListView, token), fAnchor(0), fCurrent(0)
{
	// Rows are file names, not FLTK's formatted lines.
	format_char(0);
	column_char(0);
	scrollbar_size(FltkScale::Pixels(B_V_SCROLL_BAR_WIDTH));
	callback(_Selected);
	when(FL_WHEN_CHANGED);
}

Fl_Widget*
FltkListView::Widget()
{
	return this;
}

void
FltkListView::Show(const ViewState& state, const ViewState* parent)
{
	type(state.listType == B_MULTIPLE_SELECTION_LIST ? FL_MULTI_BROWSER : FL_HOLD_BROWSER);
	if (parent != nullptr && parent->kind == ViewKind::ScrollView) {
		has_scrollbar((parent->verticalBar ? VERTICAL_ALWAYS : 0) |
		              (parent->horizontalBar ? HORIZONTAL : 0));
		box(parent->border == B_FANCY_BORDER   ? FL_DOWN_BOX
		    : parent->border == B_PLAIN_BORDER ? FL_BORDER_BOX
		                                       : FL_FLAT_BOX);
	} else {
		has_scrollbar(0);
		box(FL_FLAT_BOX);
	}
	if (state.rows != fRows) {
		clear();
		for (const std::string& row : state.rows)
			add(row.c_str());
		fRows = state.rows;
	}
	if (fCurrent > size() || fAnchor > size())
		fAnchor = fCurrent = 0;
	deselect();
	for (int32 row : state.selection)
		select(row + 1, 1);
}

void
FltkListView::draw()
{
	Fl_Browser::draw();
	// FLTK marks the focus on the current row only; a list without one is
	// marked as a whole.
	if (Fl::focus() == this && value() == 0) {
		int left;
		int top;
		int width;
		int height;
		bbox(left, top, width, height);
		draw_focus(FL_NO_BOX, left, top, width, height);
	}
	if (FltkWindow* window = dynamic_cast<FltkWindow*>(this->window()))
		window->NoteListDrawn();
}

int
FltkListView::handle(int event)
{
	switch (event) {
		case FL_DND_ENTER:
		case FL_DND_DRAG:
		case FL_DND_RELEASE:
		case FL_DND_LEAVE:
			return 1;
		case FL_PASTE:
			SendDrop(FltkUriList::Paths(Fl::event_text() != nullptr ? Fl::event_text() : ""));
			return 1;
		case FL_KEYBOARD:
			if (_Arrow())
				return 1;
			break;
		case FL_FOCUS:
		case FL_UNFOCUS:
			redraw();
			break;
		case FL_PUSH: {
			int used = Fl_Browser::handle(event);
			fCurrent = value();
			if (!Fl::event_state(FL_SHIFT) || fAnchor == 0)
				fAnchor = fCurrent;
			return used;
		}
	}
	return Fl_Browser::handle(event);
}

bool
FltkListView::_Arrow()
{
	int key = Fl::event_key();
	if ((key != FL_Up && key != FL_Down) || Fl::event_state(FL_CTRL | FL_ALT) != 0)
		return false;
	int line = fCurrent == 0 ? (key == FL_Down ? 1 : size()) : fCurrent + (key == FL_Down ? 1 : -1);
	if (line < 1 || line > size())
		return true;
	if (!Fl::event_state(FL_SHIFT) || type() != FL_MULTI_BROWSER || fAnchor == 0)
		fAnchor = line;
	_SelectTo(line);
	_Selected(this, nullptr);
	return true;
}

void
FltkListView::_SelectTo(int line)
{
	deselect();
	int step = line >= fAnchor ? 1 : -1;
	// In a multiple selection list FLTK's current line is the one selected
	// last.
	for (int selected = fAnchor; selected != line + step; selected += step)
		select(selected, 1);
	fCurrent = line;
	make_visible(line);
}

void
FltkListView::_Selected(Fl_Widget* widget, void*)
{
	FltkListView* list = static_cast<FltkListView*>(widget);
	std::vector<int32> rows;
	for (int line = 1; line <= list->size(); line++) {
		if (list->selected(line))
			rows.push_back(line - 1);
	}
	list->SendRows(rows);
}
