// BMenu: a list of menu items, shown by a menu bar (a BMenu itself) or a
// menu field, or as the submenu of an item.
//
// Radio mode: choosing an item marks it and unmarks the others. With the
// label taken from the marked item, the field or item that opens the menu
// shows the marked item's label instead of the menu's name; turning that on
// turns radio mode on, turning radio mode off turns it off.
//
// Ownership: the menu owns its items. Threads: used with the window of the
// view that shows it locked; every change goes to the display with that
// view.
#ifndef _MENU_H
#define _MENU_H

#include <vector>

#include <View.h>

class BMenuItem;
namespace BPrivate {
struct MenuItemState;
}

class BMenu : public BView {
public:
	explicit BMenu(const char* name, menu_layout layout = B_ITEMS_IN_COLUMN);
	~BMenu() override;

	// False for a bad index or an item that belongs to a menu already.
	bool AddItem(BMenuItem* item);
	bool AddItem(BMenuItem* item, int32 index);
	bool AddItem(BMenu* submenu);
	bool AddItem(BMenu* submenu, int32 index);
	bool AddSeparatorItem();
	// The caller gets the item back and owns it.
	BMenuItem* RemoveItem(int32 index);
	bool RemoveItem(BMenuItem* item);

	BMenuItem* ItemAt(int32 index) const;
	int32 CountItems() const;
	// Separators count; -1 (B_ERROR) when absent.
	int32 IndexOf(BMenuItem* item) const;
	int32 IndexOf(BMenu* submenu) const;
	// The first item with that label, here or in a submenu.
	BMenuItem* FindItem(const char* label) const;
	// The marked item with the lowest index, or null.
	BMenuItem* FindMarked() const;

	BMenu* Supermenu() const;
	BMenuItem* Superitem() const;
	menu_layout Layout() const;

	virtual void SetRadioMode(bool on);
	bool IsRadioMode() const;
	virtual void SetLabelFromMarked(bool on);
	bool IsLabelFromMarked() const;
	virtual void SetTriggersEnabled(bool enabled);
	bool AreTriggersEnabled() const;
	virtual void SetEnabled(bool enabled);
	bool IsEnabled() const;

protected:
	BMenu(BRect frame, const char* name, uint32 resizingMode, uint32 flags, menu_layout layout,
	      bool resizeToFit);

	// The label that opens this menu: the marked item's, when the label
	// follows it, else the menu's name.
	const char* ShownLabel() const;
	// The user chose the item with that token: mark it in radio mode, then
	// invoke it. Disabled items and items that open submenus are ignored.
	void ChooseItem(int32 token);
	void FillItems(std::vector<BPrivate::MenuItemState>* items) const;
	bool ResizesToFit() const;
	// The view that shows this menu, when it is a top menu.
	void SetOwner(BView* owner);

private:
	friend class BMenuItem;
	friend class BMenuField;

	void _Changed();
	BMenu* _Root();
	BMenuItem* _FindToken(int32 token) const;
	void _ItemMarked(BMenuItem* item);

	std::vector<BMenuItem*> fItems;
	BMenuItem* fSuperitem;
	BView* fOwner;
	menu_layout fLayout;
	bool fResizeToFit;
	bool fRadioMode;
	bool fLabelFromMarked;
	bool fTriggersEnabled;
	bool fEnabled;
};

#endif // _MENU_H
