// BCheckBox: a control that is on or off. A click sets the new value first
// and then invokes, so the target reads the new Value().
//
// Preferred size: 22 wider than its label; as high as a line of the font
// (ascent, descent and leading) plus 6.
#ifndef _CHECK_BOX_H
#define _CHECK_BOX_H

#include <Control.h>

class BCheckBox : public BControl {
public:
	BCheckBox(BRect frame, const char* name, const char* label, BMessage* message,
	          uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	          uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
	~BCheckBox() override;

	void GetPreferredSize(float* width, float* height) override;

protected:
	void FillState(BPrivate::ViewState* state) const override;
};

#endif // _CHECK_BOX_H
