// FltkTextControl: a BTextControl, as its label left of the divider; the text
// field is the control's text view (FltkTextView).
#ifndef FLTK_TEXT_CONTROL_H
#define FLTK_TEXT_CONTROL_H

#include <FL/Fl_Box.H>

#include "FltkWidget.h"

class FltkTextControl : public Fl_Box, public FltkWidget {
public:
	explicit FltkTextControl(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	void Place(const BRect& frame) override;
	std::vector<TextRoom> Texts() const override;

private:
	float fDivider;
};

#endif // FLTK_TEXT_CONTROL_H
