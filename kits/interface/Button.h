// BButton: a control that invokes its message when clicked. Its value
// stays B_CONTROL_OFF.
//
// Preferred size: at least 74 wide, 20 wider than its label; as high as the
// font (ascent and descent) plus 12.
#ifndef _BUTTON_H
#define _BUTTON_H

#include <Control.h>

class BButton : public BControl {
public:
	BButton(BRect frame, const char* name, const char* label, BMessage* message,
	        uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	        uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
	~BButton() override;

	void GetPreferredSize(float* width, float* height) override;

protected:
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;
};

#endif // _BUTTON_H
