// FltkCheckBox: a check box; toggling it posts its new value.
#ifndef FLTK_CHECK_BOX_H
#define FLTK_CHECK_BOX_H

#include <FL/Fl_Check_Button.H>

#include "FltkWidget.h"

class FltkCheckBox : public Fl_Check_Button, public FltkWidget {
public:
	explicit FltkCheckBox(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	std::vector<TextRoom> Texts() const override;

private:
	static void _Toggled(Fl_Widget* widget, void* data);
};

#endif // FLTK_CHECK_BOX_H
