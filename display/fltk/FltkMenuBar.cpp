#include "FltkMenuBar.h"

using namespace BPrivate;

FltkMenuBar::FltkMenuBar(int32 token)
    : Fl_Menu_Bar(0, 0, 1, 1), FltkWidget(ViewKind::MenuBar, token)
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
FltkMenuBar::OpenFirstMenu()
{
	if (menu() == nullptr || menu()->text == nullptr)
		return;
	FltkMenuItems::Open open;
	// As FLTK opens a menu for its shortcut: the title of the menu as the
	// item to start at.
	picked(menu()->pulldown(x(), y(), w(), h(), menu(), this, nullptr, 1));
}

void
FltkMenuBar::Chosen(Fl_Widget* widget, void* item)
{
	FltkWidget* view = dynamic_cast<FltkWidget*>(widget);
	if (view == nullptr)
		return;
	view->SendMenuItem(FltkMenuItems::Token(item));
}
