// FltkTextView: a BTextView, the field of a text control; every change
// posts the whole text.
//
// Byte limit: FLTK limits characters, not bytes, so the field cuts a text
// that grew beyond the view's limit at the last whole UTF-8 character that
// fits, as the view itself does; a change that the cut undoes (typing into
// a full field) posts nothing.
//
// The program's own updates come back after the user's changes: an update
// that carries a text this field posted is an echo and leaves the field (and
// its cursor) alone, as do the updates still on their way while the user
// types on; any other text is the program's and replaces the field's.
#ifndef FLTK_TEXT_VIEW_H
#define FLTK_TEXT_VIEW_H

#include <deque>
#include <string>

#include <FL/Fl_Input.H>

#include "FltkWidget.h"

class FltkTextView : public Fl_Input, public FltkWidget {
public:
	explicit FltkTextView(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	// Leaves the keys that switch tabs to the window.
	int handle(int event) override;

private:
	static void _Changed(Fl_Widget* widget, void* data);

	int32 fMaxBytes;
	std::string fLast;
	std::deque<std::string> fSent;
};

#endif // FLTK_TEXT_VIEW_H
