#include "FltkTextControl.h"

#include <algorithm>

using namespace BPrivate;

FltkTextControl::FltkTextControl(int32 token)
    : Fl_Box(0, 0, 1, 1), FltkWidget(ViewKind::TextControl, token), fDivider(0)
{
	align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
}

Fl_Widget*
FltkTextControl::Widget()
{
	return this;
}

void
FltkTextControl::Show(const ViewState& state, const ViewState*)
{
	copy_label(state.label.c_str());
	fDivider = state.divider;
	ShowEnabled(state.enabled);
}

std::vector<FltkWidget::TextRoom>
FltkTextControl::Texts() const
{
	// FLTK keeps a label inside its widget 3 from the side it is aligned
	// to, and 3 from the other.
	return {{label() != nullptr ? label() : "", w() - 6, h()}};
}

void
FltkTextControl::Place(const BRect& frame)
{
	FltkWidget::Place(frame);
	size(std::clamp(ScreenX(fDivider), 1, std::max(w(), 1)), h());
}
