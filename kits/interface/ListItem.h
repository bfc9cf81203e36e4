// BListItem: one row of a list view; it knows whether it is selected, so a
// selection moves with its item. BStringItem shows a line of text.
//
// Ownership: items belong to whoever made them; a list view never deletes
// an item, not even when it is removed or the list is emptied.
#ifndef _LIST_ITEM_H
#define _LIST_ITEM_H

#include <string>

#include <SupportDefs.h>

class BListItem {
public:
	explicit BListItem(uint32 outlineLevel = 0, bool expanded = true);
	virtual ~BListItem();
	BListItem(const BListItem&) = delete;
	BListItem& operator=(const BListItem&) = delete;

	bool IsSelected() const;
	void SetEnabled(bool enabled);
	bool IsEnabled() const;
	uint32 OutlineLevel() const;
	bool IsExpanded() const;

	// What the display shows for the item; empty by default.
	virtual std::string DisplayText() const;

private:
	friend class BListView;

	uint32 fOutlineLevel;
	bool fExpanded;
	bool fEnabled;
	bool fSelected;
};

class BStringItem : public BListItem {
public:
	explicit BStringItem(const char* text, uint32 outlineLevel = 0, bool expanded = true);
	~BStringItem() override;

	// Changes show once the list view is invalidated.
	virtual void SetText(const char* text);
	const char* Text() const;

	std::string DisplayText() const override;

private:
	std::string fText;
};

#endif // _LIST_ITEM_H
