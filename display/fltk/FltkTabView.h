// FltkTabView: a BTabView, as its tabs at the frames the kit gave them, and the
// frame around its pages; clicking a tab posts its index. The pages are
// views of their own; the window shows only the selected tab's.
#ifndef FLTK_TAB_VIEW_H
#define FLTK_TAB_VIEW_H

#include <string>
#include <vector>

#include <FL/Fl_Widget.H>

#include "FltkWidget.h"

class FltkTabView : public Fl_Widget, public FltkWidget {
public:
	explicit FltkTabView(int32 token);

	Fl_Widget* Widget() override;
	void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) override;

	std::vector<TextRoom> Texts() const override;
	// Chooses the tab that many tabs right of the selected one (left for
	// a negative step), going round at the ends.
	void ChooseNext(int32 step);
	void draw() override;
	int handle(int event) override;

private:
	void _DrawTab(int32 index);
	// Where the tab lies, in pixels from the widget's corner.
	void _TabPlace(int32 index, int* left, int* width) const;
	int _TabHeight() const;

	std::vector<std::string> fLabels;
	std::vector<BRect> fFrames;
	int32 fSelected;
};

#endif // FLTK_TAB_VIEW_H
