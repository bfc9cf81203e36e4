#include "FltkButton.h"

#include <FL/Fl.H>

using namespace BPrivate;

FltkButton::FltkButton(int32 token) : Fl_Button(0, 0, 1, 1), FltkWidget(ViewKind::Button, token)
{
	callback(_Clicked);
}

Fl_Widget*
FltkButton::Widget()
{
	return this;
}

void
FltkButton::Show(const ViewState& state, const ViewState*)
{
	copy_label(state.label.c_str());
	ShowEnabled(state.enabled);
}

std::vector<FltkWidget::TextRoom>
FltkButton::Texts() const
{
	return {ButtonText(*this)};
}

int
FltkButton::handle(int event)
{
	// FLTK's buttons take Space; Enter does the same here.
	bool enter = Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
	if (event == FL_KEYBOARD && enter && Fl::focus() == this &&
	    Fl::event_state(FL_SHIFT | FL_CTRL | FL_ALT) == 0) {
		do_callback();
		return 1;
	}
	return Fl_Button::handle(event);
}

void
FltkButton::_Clicked(Fl_Widget* widget, void*)
{
	static_cast<FltkButton*>(widget)->SendValue(B_CONTROL_ON);
}
