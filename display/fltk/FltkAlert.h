// FltkAlert: a BAlert: its icon, its text and its buttons from left to
// right along the bottom; pressing one posts its index. The last button is
// the default one, which Enter presses; a button's shortcut key presses it,
// and Escape presses the button whose shortcut it is, or the only button.
// Centred on the window it belongs to (on the screen when there is none),
// as high as its text needs; it cannot be closed but with a button.
#ifndef FLTK_ALERT_H
#define FLTK_ALERT_H

#include "FltkWindow.h"

class FltkAlert : public FltkWindow {
public:
	FltkAlert(const BPrivate::WindowState& state, Listener listener);

	int handle(int event) override;

protected:
	void SyncContent() override;
	void ScreenFrame(int* x, int* y, int* width, int* height) const override;

private:
	static void _Pressed(Fl_Widget* widget, void* index);
	void _Press(int32 index);
	// The button that key presses; -1 for none.
	int32 _ButtonFor(const std::string& bytes) const;
	std::vector<int> _ButtonWidths() const;

	bool fBuilt;
	int fWidth;
	int fHeight;
};

#endif // FLTK_ALERT_H
