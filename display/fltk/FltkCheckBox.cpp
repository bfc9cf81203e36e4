#include "FltkCheckBox.h"

#include <FL/Fl.H>

using namespace BPrivate;

FltkCheckBox::FltkCheckBox(int32 token)
    : Fl_Check_Button(0, 0, 1, 1), FltkWidget(ViewKind::CheckBox, token)
{
	callback(_Toggled);
}

Fl_Widget*
FltkCheckBox::Widget()
{
	return this;
}

void
FltkCheckBox::Show(const ViewState& state, const ViewState*)
{
	copy_label(state.label.c_str());
	value(state.value == B_CONTROL_ON);
	ShowEnabled(state.enabled);
}

std::vector<FltkWidget::TextRoom>
FltkCheckBox::Texts() const
{
	// FLTK draws the box as wide as the label's size, 2 in from the left,
	// and the label 2 right of it.
	int box = labelsize() + 2 * (Fl::box_dx(this->box()) + 2);
	return {{label() != nullptr ? label() : "", w() - box, h()}};
}

void
FltkCheckBox::_Toggled(Fl_Widget* widget, void*)
{
	FltkCheckBox* box = static_cast<FltkCheckBox*>(widget);
	box->SendValue(box->value() != 0 ? B_CONTROL_ON : B_CONTROL_OFF);
}
