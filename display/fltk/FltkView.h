// FltkView: a BView (a plain area in its view colour) or a BScrollView
// (drawn by the list it holds).
#ifndef FLTK_VIEW_H
#define FLTK_VIEW_H

#include <FL/Fl_Box.H>

#include "FltkWidget.h"

class FltkView : public Fl_Box, public FltkWidget {
public:
	FltkView(BPrivate::ViewKind kind, int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
};

#endif // FLTK_VIEW_H
