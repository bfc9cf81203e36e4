// BMenuItem: one item of a menu: a label, a message and a target, or a
// submenu.
//
// Target: an item without a valid target delivers to the window of the view
// that shows its menu (the menu bar or menu field). Marking an item of a
// menu in radio mode unmarks the others.
//
// Ownership: a menu owns its items, an item its submenu. Threads: used with
// the window of the menu locked.
#ifndef _MENU_ITEM_H
#define _MENU_ITEM_H

#include <string>

#include <Invoker.h>

class BMenu;
namespace BPrivate {
struct MenuItemState;
}

class BMenuItem : public BInvoker {
public:
	BMenuItem(const char* label, BMessage* message, char shortcut = 0, uint32 modifiers = 0);
	// The label is the submenu's name.
	explicit BMenuItem(BMenu* submenu, BMessage* message = nullptr);
	~BMenuItem() override;

	virtual void SetLabel(const char* label);
	const char* Label() const;
	virtual void SetEnabled(bool enabled);
	bool IsEnabled() const;
	virtual void SetMarked(bool marked);
	bool IsMarked() const;
	char Shortcut(uint32* modifiers = nullptr) const;

	BMenu* Submenu() const;
	// The menu that holds the item.
	BMenu* Menu() const;

	// Adds "when" (int64), "source" (this item) and "index" (int32, its
	// index in its menu) to the copy it sends.
	status_t Invoke(BMessage* message = nullptr) override;

private:
	friend class BMenu;

	void _FillState(BPrivate::MenuItemState* state) const;

	int32 fToken;
	std::string fLabel;
	BMenu* fSubmenu;
	BMenu* fSuper;
	bool fEnabled;
	bool fMarked;
	char fShortcut;
	uint32 fModifiers;
};

// A line between items; it cannot be chosen.
class BSeparatorItem : public BMenuItem {
public:
	BSeparatorItem();
	~BSeparatorItem() override;

	void SetEnabled(bool enabled) override;
};

#endif // _MENU_ITEM_H
