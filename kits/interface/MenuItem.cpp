#include <MenuItem.h>

#include <Menu.h>
#include <Message.h>
#include <Window.h>

#include <DisplayState.h>
#include <TokenSpace.h>

using BPrivate::MenuItemState;
using BPrivate::TokenSpace;

BMenuItem::BMenuItem(const char* label, BMessage* message, char shortcut, uint32 modifiers)
    : BInvoker(message, nullptr), fToken(TokenSpace::NewToken()),
      fLabel(label != nullptr ? label : ""), fSubmenu(nullptr), fSuper(nullptr), fEnabled(true),
      fMarked(false), fShortcut(shortcut), fModifiers(modifiers)
{
}

BMenuItem::BMenuItem(BMenu* submenu, BMessage* message)
    : BMenuItem(submenu != nullptr ? submenu->Name() : "", message)
{
	fSubmenu = submenu;
	if (submenu != nullptr)
		submenu->fSuperitem = this;
}

BMenuItem::~BMenuItem()
{
	delete fSubmenu;
}

void
BMenuItem::SetLabel(const char* label)
{
	fLabel = label != nullptr ? label : "";
	if (fSuper != nullptr)
		fSuper->_Changed();
}

const char*
BMenuItem::Label() const
{
	return fLabel.c_str();
}

void
BMenuItem::SetEnabled(bool enabled)
{
	fEnabled = enabled;
	if (fSuper != nullptr)
		fSuper->_Changed();
}

bool
BMenuItem::IsEnabled() const
{
	return fEnabled;
}

void
BMenuItem::SetMarked(bool marked)
{
	if (marked && fSuper != nullptr && fSuper->IsRadioMode())
		fSuper->_ItemMarked(this);
	fMarked = marked;
	if (fSuper != nullptr)
		fSuper->_Changed();
}

bool
BMenuItem::IsMarked() const
{
	return fMarked;
}

char
BMenuItem::Shortcut(uint32* modifiers) const
{
	if (modifiers != nullptr)
		*modifiers = fModifiers;
	return fShortcut;
}

BMenu*
BMenuItem::Submenu() const
{
	return fSubmenu;
}

BMenu*
BMenuItem::Menu() const
{
	return fSuper;
}

status_t
BMenuItem::Invoke(BMessage* message)
{
	std::optional<BMessage> invocation = Invocation(message, this);
	if (!invocation)
		return B_BAD_VALUE;
	if (fSuper != nullptr)
		invocation->AddInt32("index", fSuper->IndexOf(this));

	BMessenger target = Messenger();
	if (!target.IsValid() && fSuper != nullptr) {
		BView* owner = fSuper->_Root()->fOwner;
		if (owner != nullptr && owner->Window() != nullptr)
			target = BMessenger(owner->Window());
	}
	return target.SendMessage(&*invocation);
}

void
BMenuItem::_FillState(MenuItemState* state) const
{
	state->token = fToken;
	state->label = fLabel;
	state->separator = dynamic_cast<const BSeparatorItem*>(this) != nullptr;
	state->marked = fMarked;
	state->enabled = fEnabled;
	state->hasSubmenu = fSubmenu != nullptr;
	if (fSubmenu != nullptr) {
		state->label = fSubmenu->ShownLabel();
		state->enabled = fEnabled && fSubmenu->IsEnabled();
		fSubmenu->FillItems(&state->items);
	}
}

BSeparatorItem::BSeparatorItem() : BMenuItem("", nullptr)
{
	BMenuItem::SetEnabled(false);
}

BSeparatorItem::~BSeparatorItem() = default;

void
BSeparatorItem::SetEnabled(bool)
{
}
