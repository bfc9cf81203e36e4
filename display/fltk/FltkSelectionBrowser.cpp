#include "FltkSelectionBrowser.h"

#include <FL/Fl.H>

FltkSelectionBrowser::FltkSelectionBrowser(int x, int y, int width, int height, Enter enter)
    : Fl_Browser(x, y, width, height), fEnter(enter), fAnchor(0), fCurrent(0)
{
}

void
FltkSelectionBrowser::ForgetLinesGone()
{
	if (fCurrent > size() || fAnchor > size())
		fAnchor = fCurrent = 0;
}

void
FltkSelectionBrowser::draw()
{
	Fl_Browser::draw();
	// FLTK marks the focus on the current line only; a browser without one
	// is marked as a whole.
	if (Fl::focus() == this && value() == 0) {
		int left;
		int top;
		int width;
		int height;
		bbox(left, top, width, height);
		draw_focus(FL_NO_BOX, left, top, width, height);
	}
}

int
FltkSelectionBrowser::handle(int event)
{
	switch (event) {
		case FL_KEYBOARD: {
			if (_Arrow())
				return 1;
			int key = Fl::event_key();
			if (fEnter == kEnterToWindow && (key == FL_Enter || key == FL_KP_Enter))
				return 0;
			break;
		}
		case FL_FOCUS:
		case FL_UNFOCUS:
			redraw();
			break;
		case FL_PUSH: {
			int used = Fl_Browser::handle(event);
			fCurrent = value();
			if (!Fl::event_state(FL_SHIFT) || fAnchor == 0)
				fAnchor = fCurrent;
			return used;
		}
	}
	return Fl_Browser::handle(event);
}

bool
FltkSelectionBrowser::_Arrow()
{
	int key = Fl::event_key();
	if ((key != FL_Up && key != FL_Down) || Fl::event_state(FL_CTRL | FL_ALT) != 0)
		return false;
	int line = fCurrent == 0 ? (key == FL_Down ? 1 : size()) : fCurrent + (key == FL_Down ? 1 : -1);
	if (line < 1 || line > size())
		return true;
	if (!Fl::event_state(FL_SHIFT) || type() != FL_MULTI_BROWSER || fAnchor == 0)
		fAnchor = line;
	_SelectTo(line);
	do_callback();
	return true;
}

void
FltkSelectionBrowser::_SelectTo(int line)
{
	deselect();
	int step = line >= fAnchor ? 1 : -1;
	// In a multiple selection browser FLTK's current line is the one
	// selected last.
	for (int selected = fAnchor; selected != line + step; selected += step)
		select(selected, 1);
	fCurrent = line;
	make_visible(line);
}
