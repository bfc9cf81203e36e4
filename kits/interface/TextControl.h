// BTextControl: a label and a one-line text field (a BTextView child).
//
// Modification message: sent to the control's target on every change of the
// text, typed on the screen or set by the program (SetText(), or SetText()
// on TextView()). The message given to the constructor is kept but not
// sent: the kits have no keyboard focus to commit a text on.
//
// Geometry: the divider (where the label ends and the field begins) starts
// at half the width, or 0 without a label; the text view lies right of it,
// 2 in from the other edges. The control takes its preferred height when
// built. Preferred size: as high as a line of the font plus 4; as wide as
// it is, or 20 wider than its label if that is more.
//
// Threads: as every view, used with its window locked.
#ifndef _TEXT_CONTROL_H
#define _TEXT_CONTROL_H

#include <Control.h>

class BTextView;

class BTextControl : public BControl {
public:
	BTextControl(BRect frame, const char* name, const char* label, const char* text,
	             BMessage* message, uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	             uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
	~BTextControl() override;

	void SetText(const char* text);
	const char* Text() const;
	BTextView* TextView() const;

	// Takes the message; the previous one is deleted.
	void SetModificationMessage(BMessage* message);
	BMessage* ModificationMessage() const;

	void SetDivider(float divider);
	float Divider() const;

	void SetEnabled(bool enabled) override;
	void GetPreferredSize(float* width, float* height) override;

protected:
	// Text typed on the screen for the control goes to its text view.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	class TextInput;

	void _Modified();

	TextInput* fText;
	BMessage* fModificationMessage;
	float fDivider;
};

#endif // _TEXT_CONTROL_H
