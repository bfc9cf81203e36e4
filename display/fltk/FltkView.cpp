#include "FltkView.h"

using namespace BPrivate;

FltkView::FltkView(ViewKind kind, int32 token) : Fl_Box(0, 0, 1, 1), FltkWidget(kind, token) {}

Fl_Widget*
FltkView::Widget()
{
	return this;
}

void
FltkView::Show(const ViewState& state, const ViewState* parent)
{
	// The container of a tab view shows the tab view's frame below it.
	bool paints =
	    state.kind == ViewKind::View && (parent == nullptr || parent->kind != ViewKind::TabView);
	box(paints ? FL_FLAT_BOX : FL_NO_BOX);
	color(Color(state.viewColor));
}
