// FltkMenuItems: a kit menu as the item table FLTK menus show. Picking an
// item calls the given callback with the item's token as its data.
//
// An open menu runs a loop of its own inside FLTK and keeps pointers into
// the table, so nothing may change while one is open: Open marks the time
// a menu is open, and the display holds back its work until it closes
// (IsAnyOpen()).
//
// Threads: screen thread only.
#ifndef FLTK_MENU_ITEMS_H
#define FLTK_MENU_ITEMS_H

#include <FL/Fl_Menu_Item.H>

#include <deque>
#include <string>
#include <vector>

#include <DisplayState.h>

class FltkMenuItems {
public:
	class Open {
	public:
		Open();
		~Open();
		Open(const Open&) = delete;
		Open& operator=(const Open&) = delete;
	};

	void Build(const std::vector<BPrivate::MenuItemState>& items, Fl_Callback* callback);
	const Fl_Menu_Item* Items() const;
	// The token of a picked item.
	static int32 Token(void* data);

	static bool IsAnyOpen();

private:
	void _Add(const std::vector<BPrivate::MenuItemState>& items, Fl_Callback* callback);

	std::vector<Fl_Menu_Item> fItems;
	std::deque<std::string> fLabels;
	static int sOpenMenus;
};

#endif // FLTK_MENU_ITEMS_H
