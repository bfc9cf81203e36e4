// BTabView: tabs along the top, each showing a view (a page) below them.
//
// Pages: every page is a child of the container view (ContainerView(), the
// bounds below the tabs) from the moment its tab is added, so its controls
// keep their state and targets whichever tab is shown; the display shows
// the selected page only.
//
// Geometry: TabHeight() is the font's ascent and descent plus 8. Tab
// frames: B_WIDTH_AS_USUAL makes every tab 100 wide; B_WIDTH_FROM_WIDEST
// makes every tab as wide as the widest label plus 20; B_WIDTH_FROM_LABEL
// fits each tab to its label plus 20. The first tab starts at 6.
//
// Ownership: the tab view owns its tabs. Threads: used with its window
// locked.
#ifndef _TAB_VIEW_H
#define _TAB_VIEW_H

#include <vector>

#include <View.h>

class BTab;

class BTabView : public BView {
public:
	BTabView(BRect frame, const char* name, button_width width = B_WIDTH_AS_USUAL,
	         uint32 resizingMode = B_FOLLOW_ALL,
	         uint32 flags = B_FULL_UPDATE_ON_RESIZE | B_WILL_DRAW | B_NAVIGABLE_JUMP |
	                        B_FRAME_EVENTS | B_NAVIGABLE);
	~BTabView() override;

	// Without a tab, a new one is made; the tab takes the view.
	virtual void AddTab(BView* target, BTab* tab = nullptr);
	// The caller gets the tab, with its view, back.
	virtual BTab* RemoveTab(int32 index);
	BTab* TabAt(int32 index) const;
	int32 CountTabs() const;
	BView* ViewForTab(int32 index) const;
	BView* ContainerView() const;

	// Ignored for an index without a tab.
	virtual void Select(int32 index);
	int32 Selection() const;

	virtual void SetTabWidth(button_width width);
	button_width TabWidth() const;
	float TabHeight() const;
	virtual BRect TabFrame(int32 index) const;

protected:
	// The user chose a tab.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	float _TabWidth(int32 index) const;

	std::vector<BTab*> fTabs;
	BView* fContainer;
	int32 fSelection;
	button_width fTabWidth;
	float fTabHeight;
};

#endif // _TAB_VIEW_H
