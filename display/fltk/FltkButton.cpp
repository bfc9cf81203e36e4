#include "FltkButton.h"

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

void
FltkButton::_Clicked(Fl_Widget* widget, void*)
{
	static_cast<FltkButton*>(widget)->SendValue(B_CONTROL_ON);
}
