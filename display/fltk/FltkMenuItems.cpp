#include "FltkMenuItems.h"

#include <cstdint>

using namespace BPrivate;

int FltkMenuItems::sOpenMenus = 0;

FltkMenuItems::Open::Open()
{
	sOpenMenus++;
}

FltkMenuItems::Open::~Open()
{
	sOpenMenus--;
}

void
FltkMenuItems::Build(const std::vector<MenuItemState>& items, Fl_Callback* callback)
{
	fItems.clear();
	fLabels.clear();
	_Add(items, callback);
}

const Fl_Menu_Item*
FltkMenuItems::Items() const
{
	return fItems.data();
}

int32
FltkMenuItems::Token(void* data)
{
	return (int32) reinterpret_cast<intptr_t>(data);
}

bool
FltkMenuItems::IsAnyOpen()
{
	return sOpenMenus > 0;
}

void
FltkMenuItems::_Add(const std::vector<MenuItemState>& items, Fl_Callback* callback)
{
	for (const MenuItemState& item : items) {
		if (item.separator) {
			if (!fItems.empty() && fItems.back().text != nullptr)
				fItems.back().flags |= FL_MENU_DIVIDER;
			continue;
		}
		Fl_Menu_Item entry = {};
		entry.text = fLabels.emplace_back(item.label).c_str();
		if (!item.enabled)
			entry.flags |= FL_MENU_INACTIVE;
		if (item.marked)
			entry.flags |= FL_MENU_TOGGLE | FL_MENU_VALUE;
		if (item.hasSubmenu) {
			entry.flags |= FL_SUBMENU;
			fItems.push_back(entry);
			_Add(item.items, callback);
			continue;
		}
		entry.callback_ = callback;
		entry.user_data_ = reinterpret_cast<void*>((intptr_t)item.token);
		fItems.push_back(entry);
	}
	fItems.push_back(Fl_Menu_Item{});
}
