#include "FltkStringView.h"

FltkStringView::FltkStringView(int32 token) : FltkView(ViewKind::StringView, token) {}

Fl_Widget*
FltkStringView::Widget()
{
	return this;
}

void
FltkStringView::Show(const ViewState& state, const ViewState*)
{
	SetText(state.text);
}
