// FltkMenuField: a menu field: its label left of the divider, right of it
// a pop-up button that shows the marked item and opens the menu, on a click
// or, while it has the focus, on Space, Enter or an arrow up or down.
#ifndef FLTK_MENU_FIELD_H
#define FLTK_MENU_FIELD_H

#include <string>

#include <FL/Fl_Menu_Button.H>

#include "FltkMenuItems.h"
#include "FltkWidget.h"

class FltkMenuField : public Fl_Menu_Button, public FltkWidget {
public:
	explicit FltkMenuField(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;

	std::vector<TextRoom> Texts() const override;
	void draw() override;
	int handle(int event) override;

private:
	int _ButtonLeft() const;
	void _Open();
	// Where the pop-up shows the marked item's label.
	void _ShownRoom(int* left, int* width) const;

	FltkMenuItems fItems;
	std::string fLabel;
	std::string fShown;
	float fDivider;
};

#endif // FLTK_MENU_FIELD_H
