// FltkLabel: the label of a text control, left of its divider; the text
// field is the control's text view (FltkTextInput).
#ifndef FLTK_LABEL_H
#define FLTK_LABEL_H

#include <FL/Fl_Box.H>

#include "FltkView.h"

class FltkLabel : public Fl_Box, public FltkView {
public:
	explicit FltkLabel(int32 token);

	Fl_Widget* Widget() override;
	void Show(const ViewState& state, const ViewState* parent) override;
	void Place(int x, int y, int width, int height) override;

private:
	int fDivider;
};

#endif // FLTK_LABEL_H
