#include "FltkListView.h"

#include <FL/Fl.H>

#include "FltkScale.h"
#include "FltkUriList.h"
#include "FltkWindow.h"

using namespace BPrivate;

FltkListView::FltkListView(int32 token)
    : FltkSelectionBrowser(0, 0, 1, 1, kEnterSelects), FltkWidget(ViewKind::ListView, token)
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
	ForgetLinesGone();
	deselect();
	for (int32 row : state.selection)
		select(row + 1, 1);
}

void
FltkListView::draw()
{
	FltkSelectionBrowser::draw();
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
	}
	return FltkSelectionBrowser::handle(event);
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
