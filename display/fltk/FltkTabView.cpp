#include "FltkTabView.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "FltkScale.h"

using namespace BPrivate;

namespace {

// How much lower the tabs that are not selected stand, in the kits'
// coordinates.
const float kLowered = 2;

} // namespace

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
FltkTabView::ChooseNext(int32 step)
{
	int32 count = (int32)fLabels.size();
	if (count > 0)
		SendTab(((fSelected + step) % count + count) % count);
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
		int left;
		int width;
		_TabPlace(index, &left, &width);
		int across = Fl::event_x() - x() - left;
		int down = Fl::event_y() - y();
		if (across >= 0 && across < width && down >= 0 &&
		    down < ScreenY(fFrames[index].bottom + 1)) {
			SendTab(index);
			return 1;
		}
	}
	return 0;
}

void
FltkTabView::_DrawTab(int32 index)
{
	bool selected = index == fSelected;
	int left;
	int width;
	_TabPlace(index, &left, &width);
	left += x();
	// The selected tab stands higher and reaches into the frame below.
	int lowered = FltkScale::Pixels(kLowered);
	int top = y() + (selected ? 0 : lowered);
	int bottom = y() + _TabHeight() + (selected ? lowered : 0);
	fl_draw_box(FL_UP_BOX, left, top, width, bottom - top, color());
	fl_font(labelfont(), labelsize());
	fl_color(labelcolor());
	fl_draw(fLabels[index].c_str(), left, top, width, y() + _TabHeight() - top,
	        FL_ALIGN_CENTER | FL_ALIGN_CLIP, nullptr, 0);
}

std::vector<FltkWidget::TextRoom>
FltkTabView::Texts() const
{
	std::vector<TextRoom> texts;
	for (int32 index = 0; index < (int32)fLabels.size() && index < (int32)fFrames.size(); index++) {
		int left;
		int width;
		_TabPlace(index, &left, &width);
		texts.push_back({fLabels[index], width - Fl::box_dw(FL_UP_BOX),
		                 _TabHeight() - FltkScale::Pixels(kLowered)});
	}
	return texts;
}

void
FltkTabView::_TabPlace(int32 index, int* left, int* width) const
{
	*left = ScreenX(fFrames[index].left);
	*width = ScreenX(fFrames[index].right + 1) - *left;
}

int
FltkTabView::_TabHeight() const
{
	return fFrames.empty() ? 0 : ScreenY(fFrames[0].bottom);
}
