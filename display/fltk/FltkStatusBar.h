// FltkStatusBar: a status bar: a line with the label and text at the left
// and the trailing text and label at the right, and below it the bar,
// filled in the selection colour as far as the value goes. Texts are drawn
// as they are (no '@' symbols, no '&' shortcuts).
#ifndef FLTK_STATUS_BAR_H
#define FLTK_STATUS_BAR_H

#include <string>

#include <FL/Fl_Widget.H>

#include "FltkWidget.h"

class FltkStatusBar : public Fl_Widget, public FltkWidget {
public:
	explicit FltkStatusBar(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;

	void draw() override;

private:
	std::string fLeft;
	std::string fRight;
	// From 0 to 1.
	float fFilled;
};

#endif // FLTK_STATUS_BAR_H
