// BScrollView: a frame around a target view, with room for scroll bars.
//
// Geometry: the scroll view's frame is the target's frame grown by the
// border (2 for B_FANCY_BORDER, 1 for B_PLAIN_BORDER, 0 for B_NO_BORDER) on
// every side and by B_V_SCROLL_BAR_WIDTH on the right for a vertical bar
// (B_H_SCROLL_BAR_HEIGHT below for a horizontal one); the target becomes
// its child, so it stays where it was in the parent's coordinates. The
// display draws the bars.
#ifndef _SCROLL_VIEW_H
#define _SCROLL_VIEW_H

#include <View.h>

class BScrollView : public BView {
public:
	BScrollView(const char* name, BView* target, uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	            uint32 flags = 0, bool horizontal = false, bool vertical = false,
	            border_style border = B_FANCY_BORDER);
	~BScrollView() override;

	BView* Target() const;
	border_style Border() const;

protected:
	void FillState(BPrivate::ViewState* state) const override;

private:
	BView* fTarget;
	bool fHorizontal;
	bool fVertical;
	border_style fBorder;
};

#endif // _SCROLL_VIEW_H
