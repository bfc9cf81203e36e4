// FltkBackground: a plain view (its view colour) or a scroll view (drawn
// by the list it holds).
#ifndef FLTK_BACKGROUND_H
#define FLTK_BACKGROUND_H

#include <FL/Fl_Box.H>

#include "FltkView.h"

class FltkBackground : public Fl_Box, public FltkView {
public:
	FltkBackground(ViewKind kind, int32 token);

	Fl_Widget* Widget() override;
	void Show(const ViewState& state, const ViewState* parent) override;
};

#endif // FLTK_BACKGROUND_H
