#include "FltkMenuBar.h"

FltkMenuBar::FltkMenuBar(int32 token) : Fl_Menu_Bar(0, 0, 1, 1), FltkView(ViewKind::MenuBar, token)
{
}

Fl_Widget*
FltkMenuBar::Widget()
{
	return this;
}

void
FltkMenuBar::Show(const ViewState& state, const ViewState*)
{
	fItems.Build(state.menu, Chosen);
	menu(fItems.Items());
	ShowEnabled(state.enabled);
}

int
FltkMenuBar::handle(int event)
{
	FltkMenuItems::Open open;
	return Fl_Menu_Bar::handle(event);
}

void
FltkMenuBar::Chosen(Fl_Widget* widget, void* item)
{
	FltkView* view = dynamic_cast<FltkView*>(widget);
	if (view == nullptr)
		return;
	view->SendMenuItem(FltkMenuItems::Token(item));
}
