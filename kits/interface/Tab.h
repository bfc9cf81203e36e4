// BTab: one tab of a tab view. Its label is the name of the view it shows;
// SetLabel() renames that view.
//
// Ownership: a tab view owns its tabs, a tab its view.
#ifndef _TAB_H
#define _TAB_H

#include <SupportDefs.h>

class BTabView;
class BView;

class BTab {
public:
	explicit BTab(BView* contents = nullptr);
	virtual ~BTab();
	BTab(const BTab&) = delete;
	BTab& operator=(const BTab&) = delete;

	// The view's name; empty without a view.
	const char* Label() const;
	virtual void SetLabel(const char* label);
	bool IsSelected() const;
	virtual void SetEnabled(bool enabled);
	bool IsEnabled() const;
	// The tab takes the view; the previous one is deleted.
	virtual void SetView(BView* view);
	BView* View() const;

private:
	friend class BTabView;

	BView* fView;
	BTabView* fTabView;
	bool fEnabled;
};

#endif // _TAB_H
