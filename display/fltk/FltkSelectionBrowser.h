// FltkSelectionBrowser: a browser that takes the keyboard as the program's
// lists do. With the focus, an arrow up or down selects the line above or
// below alone, and with Shift (in a multiple selection browser) the lines
// from the one clicked or reached without Shift to that one; each such
// change calls the callback. The focus is marked on the current line, or
// around the lines when there is none. Enter is FLTK's (it selects the
// current line alone), or left to the window, where it presses the default
// button.
//
// Threads: screen thread only.
#ifndef FLTK_SELECTION_BROWSER_H
#define FLTK_SELECTION_BROWSER_H

#include <FL/Fl_Browser.H>

class FltkSelectionBrowser : public Fl_Browser {
public:
	enum Enter { kEnterSelects, kEnterToWindow };

	FltkSelectionBrowser(int x, int y, int width, int height, Enter enter);

	// Forgets the current line and the one a selection with Shift starts
	// from when either is gone with the lines.
	void ForgetLinesGone();

	void draw() override;
	int handle(int event) override;

private:
	// An arrow up or down; false for any other key.
	bool _Arrow();
	// Selects the lines from the anchor to that line, which becomes the
	// current one.
	void _SelectTo(int line);

	Enter fEnter;
	// Lines (from 1; 0 for none): where a selection with Shift starts, and
	// the current line.
	int fAnchor;
	int fCurrent;
};

#endif // FLTK_SELECTION_BROWSER_H
