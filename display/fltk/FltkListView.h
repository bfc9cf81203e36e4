// FltkListView: a list view, one row a line, single or multiple selection
// (click, shift-click for a range, ctrl-click to toggle); each change of the
// selection posts the selected rows. With the focus, an arrow up or down
// selects the row above or below alone, and with Shift (in a multiple
// selection list) the rows from the one clicked or reached without Shift
// to that one. The focus is marked on the current row, or around the rows
// when there is none. In a scroll view it takes the scroll
// view's frame, since FLTK draws the border and the scroll bar itself.
//
// Drops: files dragged onto it from a file manager become one drop of every
// file under "refs", in order (see FltkUriList); a drop without files posts
// nothing.
//
// The rows are replaced only when they changed, so an update of the
// selection alone does not rebuild a long list.
#ifndef FLTK_LIST_VIEW_H
#define FLTK_LIST_VIEW_H

#include <string>
#include <vector>

#include <FL/Fl_Browser.H>

#include "FltkWidget.h"

class FltkListView : public Fl_Browser, public FltkWidget {
public:
	explicit FltkListView(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;

	void draw() override;
	int handle(int event) override;

private:
	static void _Selected(Fl_Widget* widget, void* data);
	// An arrow up or down; false for any other key.
	bool _Arrow();
	// Selects the rows from the anchor to that line, which becomes the
	// current one.
	void _SelectTo(int line);

	std::vector<std::string> fRows;
	// Lines (from 1; 0 for none): where a selection with Shift starts, and
	// the current line.
	int fAnchor;
	int fCurrent;
};

#endif // FLTK_LIST_VIEW_H
