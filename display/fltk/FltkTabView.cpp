#include "FltkTabView.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <cmath>

using namespace BPrivate;

FltkTabView::FltkTabView(int32 token)
    : Fl_Widget(0, 0, 1, 1), FltkWidget(ViewKind::TabView, token), fSelected(-1)
{
	box(FL_NO_BOX);
}

Fl_Widget*
FltkTabView::Widget()
{
	return this;
}

void
FltkTabView::Show(const ViewState& state, const ViewState*)
{
	fLabels = state.tabLabels;
	fFrames = state.tabFrames;
	fSelected = state.selectedTab;
}

void
FltkTabView::draw()
{
	int top = y() + _TabHeight();
	fl_draw_box(FL_UP_FRAME, x(), top, w(), y() + h() - top, color());
	for (int32 index = 0; index < (int32)fLabels.size(); index++) {
		if (index != fSelected)
			_DrawTab(index);
	}
	// The selected tab comes last, over the frame's top edge below it.
	if (fSelected >= 0 && fSelected < (int32)fLabels.size())
		_DrawTab(fSelected);
}

int
FltkTabView::handle(int event)
{
	if (event != FL_PUSH)
		return 0;
	for (int32 index = 0; index < (int32)fFrames.size(); index++) {
		const BRect& frame = fFrames[index];
		int left = x() + (int)std::lround(frame.left);
		int right = x() + (int)std::lround(frame.right);
		int bottom = y() + (int)std::lround(frame.bottom);
		if (Fl::event_x() >= left && Fl::event_x() <= right && Fl::event_y() >= y() &&
		    Fl::event_y() <= bottom) {
			SendTab(index);
			return 1;
		}
	}
	return 0;
}

void
FltkTabView::_DrawTab(int32 index)
{
	const BRect& frame = fFrames[index];
	bool selected = index == fSelected;
	int left = x() + (int)std::lround(frame.left);
	int width = (int)std::lround(frame.Width()) + 1;
	// The selected tab stands higher and reaches into the frame below.
	int top = y() + (selected ? 0 : 2);
	int bottom = y() + _TabHeight() + (selected ? 2 : 0);
	fl_draw_box(FL_UP_BOX, left, top, width, bottom - top, color());
	fl_font(labelfont(), labelsize());
	fl_color(labelcolor());
	fl_draw(fLabels[index].c_str(), left, top, width, y() + _TabHeight() - top,
	        FL_ALIGN_CENTER | FL_ALIGN_CLIP, nullptr, 0);
}

int
FltkTabView::_TabHeight() const
{
	return fFrames.empty() ? 0 : (int)std::lround(fFrames[0].bottom);
}
