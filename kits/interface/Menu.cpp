#include <Menu.h>

#include <cstring>

#include <MenuItem.h>

#include <Display.h>

using BPrivate::MenuItemState;

BMenu::BMenu(const char* name, menu_layout layout)
    : BMenu(BRect(0, 0, 0, 0), name, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW, layout, false)
{
}

BMenu::BMenu(BRect frame, const char* name, uint32 resizingMode, uint32 flags, menu_layout layout,
             bool resizeToFit)
    : BView(frame, name, resizingMode, flags), fSuperitem(nullptr), fOwner(nullptr),
      fLayout(layout), fResizeToFit(resizeToFit), fRadioMode(false), fLabelFromMarked(false),
      fTriggersEnabled(true), fEnabled(true)
{
}

BMenu::~BMenu()
{
	for (BMenuItem* item : fItems)
		delete item;
}

bool
BMenu::AddItem(BMenuItem* item)
{
	return AddItem(item, CountItems());
}

bool
BMenu::AddItem(BMenuItem* item, int32 index)
{
	if (item == nullptr || item->fSuper != nullptr || index < 0 || index > CountItems())
		return false;
	fItems.insert(fItems.begin() + index, item);
	item->fSuper = this;
	if (item->fMarked && fRadioMode)
		_ItemMarked(item);
	_Changed();
	return true;
}

bool
BMenu::AddItem(BMenu* submenu)
{
	return AddItem(submenu, CountItems());
}

bool
BMenu::AddItem(BMenu* submenu, int32 index)
{
	if (submenu == nullptr || submenu->fSuperitem != nullptr)
		return false;
	BMenuItem* item = new BMenuItem(submenu);
	if (AddItem(item, index))
		return true;
	// The caller keeps the submenu it could not add.
	item->fSubmenu = nullptr;
	submenu->fSuperitem = nullptr;
	delete item;
	return false;
}

bool
BMenu::AddSeparatorItem()
{
	return AddItem(new BSeparatorItem());
}

BMenuItem*
BMenu::RemoveItem(int32 index)
{
	BMenuItem* item = ItemAt(index);
	if (item == nullptr)
		return nullptr;
	fItems.erase(fItems.begin() + index);
	item->fSuper = nullptr;
	item->SetTarget(BMessenger());
	_Changed();
	return item;
}

bool
BMenu::RemoveItem(BMenuItem* item)
{
	int32 index = IndexOf(item);
	return index >= 0 && RemoveItem(index) != nullptr;
}

BMenuItem*
BMenu::ItemAt(int32 index) const
{
	if (index < 0 || index >= CountItems())
		return nullptr;
	return fItems[index];
}

int32
BMenu::CountItems() const
{
	return (int32)fItems.size();
}

int32
BMenu::IndexOf(BMenuItem* item) const
{
	for (int32 index = 0; index < CountItems(); index++) {
		if (fItems[index] == item)
			return index;
	}
	return B_ERROR;
}

int32
BMenu::IndexOf(BMenu* submenu) const
{
	for (int32 index = 0; index < CountItems(); index++) {
		if (submenu != nullptr && fItems[index]->fSubmenu == submenu)
			return index;
	}
	return B_ERROR;
}

BMenuItem*
BMenu::FindItem(const char* label) const
{
	if (label == nullptr)
		return nullptr;
	for (BMenuItem* item : fItems) {
		if (strcmp(item->Label(), label) == 0)
			return item;
		if (item->fSubmenu != nullptr) {
			if (BMenuItem* below = item->fSubmenu->FindItem(label))
				return below;
		}
	}
	return nullptr;
}

BMenuItem*
BMenu::FindMarked() const
{
	for (BMenuItem* item : fItems) {
		if (item->fMarked)
			return item;
	}
	return nullptr;
}

BMenu*
BMenu::Supermenu() const
{
	return fSuperitem != nullptr ? fSuperitem->fSuper : nullptr;
}

BMenuItem*
BMenu::Superitem() const
{
	return fSuperitem;
}

menu_layout
BMenu::Layout() const
{
	return fLayout;
}

void
BMenu::SetRadioMode(bool on)
{
	fRadioMode = on;
	if (!on)
		fLabelFromMarked = false;
	_Changed();
}

bool
BMenu::IsRadioMode() const
{
	return fRadioMode;
}

void
BMenu::SetLabelFromMarked(bool on)
{
	fLabelFromMarked = on;
	if (on)
		fRadioMode = true;
	_Changed();
}

bool
BMenu::IsLabelFromMarked() const
{
	return fLabelFromMarked;
}

void
BMenu::SetTriggersEnabled(bool enabled)
{
	fTriggersEnabled = enabled;
}

bool
BMenu::AreTriggersEnabled() const
{
	return fTriggersEnabled;
}

void
BMenu::SetEnabled(bool enabled)
{
	fEnabled = enabled;
	_Changed();
}

bool
BMenu::IsEnabled() const
{
	return fEnabled;
}

const char*
BMenu::ShownLabel() const
{
	if (fLabelFromMarked) {
		if (BMenuItem* marked = FindMarked())
			return marked->Label();
	}
	return Name();
}

void
BMenu::ChooseItem(int32 token)
{
	BMenuItem* item = _FindToken(token);
	if (item == nullptr || !item->fEnabled || item->fSubmenu != nullptr)
		return;
	for (BMenu* menu = item->fSuper; menu != nullptr; menu = menu->Supermenu()) {
		if (!menu->fEnabled)
			return;
	}
	if (item->fSuper->fRadioMode)
		item->SetMarked(true);
	item->Invoke();
}

void
BMenu::FillItems(std::vector<MenuItemState>* items) const
{
	for (BMenuItem* item : fItems) {
		items->emplace_back();
		item->_FillState(&items->back());
	}
}

bool
BMenu::ResizesToFit() const
{
	return fResizeToFit;
}

void
BMenu::SetOwner(BView* owner)
{
	fOwner = owner;
}

void
BMenu::_Changed()
{
	BMenu* root = _Root();
	if (root->fOwner != nullptr)
		root->fOwner->Invalidate();
}

BMenu*
BMenu::_Root()
{
	BMenu* menu = this;
	while (menu->Supermenu() != nullptr)
		menu = menu->Supermenu();
	return menu;
}

BMenuItem*
BMenu::_FindToken(int32 token) const
{
	for (BMenuItem* item : fItems) {
		if (item->fToken == token)
			return item;
		if (item->fSubmenu != nullptr) {
			if (BMenuItem* below = item->fSubmenu->_FindToken(token))
				return below;
		}
	}
	return nullptr;
}

void
BMenu::_ItemMarked(BMenuItem* item)
{
	for (BMenuItem* other : fItems) {
		if (other != item)
			other->fMarked = false;
	}
}
