// FltkListView: a list view, one row a line, single or multiple selection
// (click, shift-click for a range, ctrl-click to toggle, the arrows as
// FltkSelectionBrowser has them); each change of the selection posts the
// selected rows. In a scroll view it takes the scroll
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

#include "FltkSelectionBrowser.h"
#include "FltkWidget.h"

class FltkListView : public FltkSelectionBrowser, public FltkWidget {
public:
	explicit FltkListView(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;

	void draw() override;
	int handle(int event) override;

private:
	static void _Selected(Fl_Widget* widget, void* data);
	std::vector<std::string> fRows;
};

#endif // FLTK_LIST_VIEW_H
