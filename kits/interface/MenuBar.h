// BMenuBar: a menu shown as a bar of items, usually along the top of a
// window.
//
// Fit: a bar built to resize to fit takes its preferred height when it
// joins a window and, when it follows its parent's left and right edges,
// its parent's width. Preferred size (items in a row): 16 wider than each
// label; as high as the font (ascent and descent) plus 7.
#ifndef _MENU_BAR_H
#define _MENU_BAR_H

#include <Menu.h>

class BMenuBar : public BMenu {
public:
	BMenuBar(BRect frame, const char* name,
	         uint32 resizingMode = B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP,
	         menu_layout layout = B_ITEMS_IN_ROW, bool resizeToFit = true);
	~BMenuBar() override;

	void AttachedToWindow() override;
	void GetPreferredSize(float* width, float* height) override;

protected:
	// The user chose an item.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;
};

#endif // _MENU_BAR_H
