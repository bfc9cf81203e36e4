#include "FltkLabel.h"

#include <algorithm>
#include <cmath>

FltkLabel::FltkLabel(int32 token)
    : Fl_Box(0, 0, 1, 1), FltkView(ViewKind::TextControl, token), fDivider(0)
{
	align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
}

Fl_Widget*
FltkLabel::Widget()
{
	return this;
}

void
FltkLabel::Show(const ViewState& state, const ViewState*)
{
	copy_label(state.label.c_str());
	fDivider = (int)std::lround(state.divider);
	ShowEnabled(state.enabled);
}

void
FltkLabel::Place(int x, int y, int width, int height)
{
	resize(x, y, std::clamp(fDivider, 1, std::max(width, 1)), height);
}
