#include "FltkMenuField.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "FltkMenuBar.h"

using namespace BPrivate;

namespace {

const int kArrowWidth = 14;

} // namespace

FltkMenuField::FltkMenuField(int32 token)
    : Fl_Menu_Button(0, 0, 1, 1), FltkWidget(ViewKind::MenuField, token), fDivider(0)
{
}

Fl_Widget*
FltkMenuField::Widget()
{
	return this;
}

void
FltkMenuField::Show(const ViewState& state, const ViewState*)
{
	fItems.Build(state.menu, FltkMenuBar::Chosen);
	menu(fItems.Items());
	fLabel = state.label;
	fShown = state.menuLabel;
	fDivider = (int)std::lround(state.divider);
	ShowEnabled(state.enabled);
}

void
FltkMenuField::draw()
{
	int left = _ButtonLeft();
	Fl_Color text = active_r() ? labelcolor() : fl_inactive(labelcolor());
	fl_font(labelfont(), labelsize());
	fl_color(text);
	fl_draw(fLabel.c_str(), x(), y(), left - x(), h(), FL_ALIGN_LEFT | FL_ALIGN_CLIP, nullptr, 0);

	int width = x() + w() - left;
	draw_box(FL_UP_BOX, left, y(), width, h(), color());
	fl_color(text);
	fl_push_clip(left + 4, y(), width - kArrowWidth - 6, h());
	fl_draw(fShown.c_str(), left + 4, y(), width - kArrowWidth - 6, h(), FL_ALIGN_LEFT, nullptr, 0);
	fl_pop_clip();
	int middle = y() + h() / 2;
	int arrow = left + width - kArrowWidth;
	fl_polygon(arrow, middle - 2, arrow + 8, middle - 2, arrow + 4, middle + 2);
}

int
FltkMenuField::handle(int event)
{
	// Only a click on the pop-up opens the menu; the label is not part of
	// it.
	if (event != FL_PUSH || Fl::event_x() < _ButtonLeft())
		return 0;
	FltkMenuItems::Open open;
	int left = _ButtonLeft();
	const Fl_Menu_Item* chosen = menu()->pulldown(left, y(), x() + w() - left, h(), nullptr, this);
	picked(chosen);
	return 1;
}

int
FltkMenuField::_ButtonLeft() const
{
	return x() + std::clamp(fDivider, 0, std::max(w() - 1, 0));
}
