#include "FltkStringView.h"

using namespace BPrivate;

FltkStringView::FltkStringView(int32 token) : FltkWidget(ViewKind::StringView, token) {}

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

std::vector<FltkWidget::TextRoom>
FltkStringView::Texts() const
{
	return {{Text(), w(), h()}};
}
