// FltkStringView: a string view's text, one line, clipped at its frame.
#ifndef FLTK_STRING_VIEW_H
#define FLTK_STRING_VIEW_H

#include "FltkText.h"
#include "FltkWidget.h"

class FltkStringView : public FltkText, public FltkWidget {
public:
	explicit FltkStringView(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;
	std::vector<TextRoom> Texts() const override;
};

#endif // FLTK_STRING_VIEW_H
