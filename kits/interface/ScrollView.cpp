#include <ScrollView.h>

#include <Display.h>

using BPrivate::ViewKind;
using BPrivate::ViewState;

namespace {

float
BorderWidth(border_style border)
{
	switch (border) {
		case B_FANCY_BORDER:
			return 2;
		case B_PLAIN_BORDER:
			return 1;
		case B_NO_BORDER:
			break;
	}
	return 0;
}

BRect
FrameAround(BView* target, bool horizontal, bool vertical, border_style border)
{
	BRect frame = target != nullptr ? target->Frame() : BRect(0, 0, 0, 0);
	float width = BorderWidth(border);
	frame.InsetBy(-width, -width);
	if (vertical)
		frame.right += B_V_SCROLL_BAR_WIDTH;
	if (horizontal)
		frame.bottom += B_H_SCROLL_BAR_HEIGHT;
	return frame;
}

} // namespace

BScrollView::BScrollView(const char* name, BView* target, uint32 resizingMode, uint32 flags,
                         bool horizontal, bool vertical, border_style border)
    : BView(FrameAround(target, horizontal, vertical, border), name, resizingMode, flags),
      fTarget(target), fHorizontal(horizontal), fVertical(vertical), fBorder(border)
{
	if (target == nullptr)
		return;
	target->MoveTo(BorderWidth(border), BorderWidth(border));
	AddChild(target);
}

BScrollView::~BScrollView() = default;

BView*
BScrollView::Target() const
{
	return fTarget;
}

border_style
BScrollView::Border() const
{
	return fBorder;
}

void
BScrollView::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::ScrollView;
	state->horizontalBar = fHorizontal;
	state->verticalBar = fVertical;
	state->border = fBorder;
}
