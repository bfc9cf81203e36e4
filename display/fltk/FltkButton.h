// FltkButton: a push button; a click posts the control's value, as do
// Space and Enter while it has the focus.
#ifndef FLTK_BUTTON_H
#define FLTK_BUTTON_H

#include <FL/Fl_Button.H>

#include "FltkWidget.h"

class FltkButton : public Fl_Button, public FltkWidget {
public:
	explicit FltkButton(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	std::vector<TextRoom> Texts() const override;
	int handle(int event) override;

private:
	static void _Clicked(Fl_Widget* widget, void* data);
};

#endif // FLTK_BUTTON_H
