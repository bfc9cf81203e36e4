#include "FltkTextControl.h"

#include <algorithm>
#include <cmath>

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
	fDivider = (int)std::lround(state.divider);
	ShowEnabled(state.enabled);
}

void
FltkTextControl::Place(int x, int y, int width, int height)
{
	resize(x, y, std::clamp(fDivider, 1, std::max(width, 1)), height);
}
