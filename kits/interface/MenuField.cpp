#include <MenuField.h>

#include <algorithm>
#include <cmath>

#include <Menu.h>
#include <MenuItem.h>
#include <Message.h>

#include <Display.h>

using BPrivate::kMsgMenuItemChosen;
using BPrivate::ViewKind;
using BPrivate::ViewState;

BMenuField::BMenuField(BRect frame, const char* name, const char* label, BMenu* menu,
                       uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags), fMenu(menu), fLabel(label != nullptr ? label : ""),
      fDivider(fLabel.empty() ? 0 : std::floor(frame.Width() / 2)), fEnabled(true)
{
	if (fMenu != nullptr)
		fMenu->SetOwner(this);
	float width;
	float height;
	GetPreferredSize(&width, &height);
	ResizeTo(Bounds().Width(), height);
}

BMenuField::~BMenuField()
{
	delete fMenu;
}

BMenu*
BMenuField::Menu() const
{
	return fMenu;
}

void
BMenuField::SetLabel(const char* label)
{
	fLabel = label != nullptr ? label : "";
	Invalidate();
}

const char*
BMenuField::Label() const
{
	return fLabel.c_str();
}

void
BMenuField::SetDivider(float divider)
{
	fDivider = divider;
	Invalidate();
}

float
BMenuField::Divider() const
{
	return fDivider;
}

void
BMenuField::SetEnabled(bool enabled)
{
	fEnabled = enabled;
	Invalidate();
}

bool
BMenuField::IsEnabled() const
{
	return fEnabled;
}

void
BMenuField::GetPreferredSize(float* width, float* height)
{
	font_height font;
	GetFontHeight(&font);
	float widest = 0;
	for (int32 index = 0; fMenu != nullptr && index < fMenu->CountItems(); index++)
		widest = std::max(widest, std::ceil(StringWidth(fMenu->ItemAt(index)->Label())));
	*width = fDivider + widest + 20;
	*height = std::ceil(font.ascent + font.descent) + 8;
}

void
BMenuField::HandleDisplayInput(BMessage* input)
{
	int32 item;
	if (input->what != kMsgMenuItemChosen) {
		BView::HandleDisplayInput(input);
		return;
	}
	if (fEnabled && fMenu != nullptr && input->FindInt32("be:item", &item) == B_OK)
		fMenu->ChooseItem(item);
}

void
BMenuField::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::MenuField;
	state->label = fLabel;
	state->divider = fDivider;
	state->enabled = fEnabled;
	if (fMenu != nullptr) {
		state->layout = fMenu->Layout();
		state->menuLabel = fMenu->ShownLabel();
		fMenu->FillItems(&state->menu);
	}
}
