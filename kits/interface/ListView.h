// BListView: a list of items, with one or several selected.
//
// Selection: it belongs to the items, so it moves with them (MoveItem(),
// insertions, removals). SelectionChanged() is called whenever the set of
// selected indexes changes, whatever changed it: the user, Select() and
// Deselect(), or an addition, removal or move that shifts selected items.
// Removing a selected item deselects it.
//
// Ownership: the list never deletes its items (see BListItem).
// Threads: used with its window locked; the items are pushed to the
// display once per update of the window, however many were added.
#ifndef _LIST_VIEW_H
#define _LIST_VIEW_H

#include <vector>

#include <Invoker.h>
#include <View.h>

class BListItem;

class BListView : public BView, public BInvoker {
public:
	BListView(BRect frame, const char* name, list_view_type type = B_SINGLE_SELECTION_LIST,
	          uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	          uint32 flags = B_WILL_DRAW | B_FRAME_EVENTS | B_NAVIGABLE);
	~BListView() override;

	// False for a null item or an index outside 0 to CountItems().
	virtual bool AddItem(BListItem* item);
	virtual bool AddItem(BListItem* item, int32 index);
	// The removed item, or null when there is none at the index.
	virtual BListItem* RemoveItem(int32 index);
	virtual bool RemoveItem(BListItem* item);
	bool MoveItem(int32 from, int32 to);
	void MakeEmpty();

	int32 CountItems() const;
	bool IsEmpty() const;
	BListItem* ItemAt(int32 index) const;
	int32 IndexOf(BListItem* item) const;
	// The item's new text or look shows.
	void InvalidateItem(int32 index);

	// The index of the index-th selected item from the top, or -1.
	int32 CurrentSelection(int32 index = 0) const;
	bool IsItemSelected(int32 index) const;
	// Without extend, the other items are deselected.
	void Select(int32 index, bool extend = false);
	void Select(int32 from, int32 to, bool extend = false);
	void Deselect(int32 index);
	void DeselectAll();
	virtual void SelectionChanged();

	list_view_type ListType() const;
	virtual void SetListType(list_view_type type);

protected:
	// The user selected rows on the screen.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	bool _AnySelected(int32 from, int32 to) const;
	void _SetSelection(const std::vector<bool>& selected);

	std::vector<BListItem*> fItems;
	list_view_type fListType;
};

#endif // _LIST_VIEW_H
