#include "FltkMenuField.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "FltkMenuBar.h"
#include "FltkScale.h"

using namespace BPrivate;

namespace {

// In the kits' coordinates: the room of the arrow at the right end of the
// pop-up, the arrow's half width and height, and the text's inset.
const float kArrowWidth = 14;
const float kArrowHalf = 4;
const float kArrowHeight = 2;
const float kTextInset = 4;

const uchar kFocusDamage = FL_DAMAGE_USER1;

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
	fDivider = state.divider;
	ShowEnabled(state.enabled);
}

void
FltkMenuField::draw()
{
	int left = _ButtonLeft();
	Fl_Color text = active_r() ? labelcolor() : fl_inactive(labelcolor());
	fl_font(labelfont(), labelsize());
	fl_color(text);
	// The label lies on the parent's background, which only a redraw of the
	// whole window draws again: a change of focus leaves it alone.
	if (damage() != kFocusDamage)
		fl_draw(fLabel.c_str(), x(), y(), left - x(), h(), FL_ALIGN_LEFT | FL_ALIGN_CLIP, nullptr,
		        0);

	int width = x() + w() - left;
	draw_box(FL_UP_BOX, left, y(), width, h(), color());
	fl_color(text);
	int shownLeft;
	int room;
	_ShownRoom(&shownLeft, &room);
	fl_push_clip(shownLeft, y(), room, h());
	fl_draw(fShown.c_str(), shownLeft, y(), room, h(), FL_ALIGN_LEFT, nullptr, 0);
	fl_pop_clip();
	int middle = y() + h() / 2;
	int half = FltkScale::Pixels(kArrowHalf);
	int arrowHeight = FltkScale::Pixels(kArrowHeight);
	int arrow = left + width - FltkScale::Pixels(kArrowWidth);
	fl_polygon(arrow, middle - arrowHeight, arrow + 2 * half, middle - arrowHeight, arrow + half,
	           middle + arrowHeight);
	if (Fl::focus() == this)
		draw_focus(FL_UP_BOX, left, y(), width, h());
}

int
FltkMenuField::handle(int event)
{
	switch (event) {
		case FL_PUSH:
			// Only a click on the pop-up opens the menu; the label is not
			// part of it.
			if (Fl::event_x() < _ButtonLeft())
				return 0;
			_Open();
			return 1;
		case FL_FOCUS:
		case FL_UNFOCUS:
			damage(kFocusDamage);
			return Fl::visible_focus();
		case FL_KEYBOARD: {
			int key = Fl::event_key();
			if (Fl::event_state(FL_SHIFT | FL_CTRL | FL_ALT) != 0 ||
			    (key != ' ' && key != FL_Enter && key != FL_KP_Enter && key != FL_Down &&
			     key != FL_Up))
				return 0;
			_Open();
			return 1;
		}
	}
	return 0;
}

void
FltkMenuField::_Open()
{
	FltkMenuItems::Open open;
	int left = _ButtonLeft();
	picked(menu()->pulldown(left, y(), x() + w() - left, h(), nullptr, this));
}

std::vector<FltkWidget::TextRoom>
FltkMenuField::Texts() const
{
	int left;
	int room;
	_ShownRoom(&left, &room);
	return {{fLabel, _ButtonLeft() - x(), h()}, {fShown, room, h() - Fl::box_dh(FL_UP_BOX)}};
}

void
FltkMenuField::_ShownRoom(int* left, int* width) const
{
	int inset = FltkScale::Pixels(kTextInset);
	int buttonLeft = _ButtonLeft();
	*left = buttonLeft + inset;
	*width = x() + w() - buttonLeft - FltkScale::Pixels(kArrowWidth) - inset - inset / 2;
}

int
FltkMenuField::_ButtonLeft() const
{
	return x() + std::clamp(ScreenX(fDivider), 0, std::max(w() - 1, 0));
}
