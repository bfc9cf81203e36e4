// FltkMenuBar: a menu bar; picking an item posts its token.
#ifndef FLTK_MENU_BAR_H
#define FLTK_MENU_BAR_H

#include <FL/Fl_Menu_Bar.H>

#include "FltkMenuItems.h"
#include "FltkWidget.h"

class FltkMenuBar : public Fl_Menu_Bar, public FltkWidget {
public:
	explicit FltkMenuBar(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	int handle(int event) override;
	// Opens the first menu, for the keyboard.
	void OpenFirstMenu();

	// The callback of the items of both menu bars and menu fields.
	static void Chosen(Fl_Widget* widget, void* item);

private:
	FltkMenuItems fItems;
};

#endif // FLTK_MENU_BAR_H
