#include <TabView.h>

#include <algorithm>
#include <cmath>

#include <Message.h>
#include <Tab.h>

#include <Display.h>
#include <TokenSpace.h>

using BPrivate::kMsgTabChosen;
using BPrivate::TokenSpace;
using BPrivate::ViewKind;
using BPrivate::ViewState;

namespace {

const float kFirstTabLeft = 6;
const float kUsualTabWidth = 100;
const float kLabelMargin = 20;

} // namespace

BTabView::BTabView(BRect frame, const char* name, button_width width, uint32 resizingMode,
                   uint32 flags)
    : BView(frame, name, resizingMode, flags), fContainer(nullptr), fSelection(0), fTabWidth(width),
      fTabHeight(0)
{
	font_height font;
	GetFontHeight(&font);
	fTabHeight = std::ceil(font.ascent + font.descent) + 8;
	BRect bounds = Bounds();
	bounds.top = fTabHeight;
	fContainer = new BView(bounds, "view container", B_FOLLOW_ALL, B_WILL_DRAW);
	AddChild(fContainer);
}

BTabView::~BTabView()
{
	for (BTab* tab : fTabs)
		delete tab;
}

void
BTabView::AddTab(BView* target, BTab* tab)
{
	if (tab == nullptr)
		tab = new BTab();
	tab->fTabView = this;
	if (target != nullptr)
		tab->SetView(target);
	if (tab->fView != nullptr && tab->fView->Parent() == nullptr)
		fContainer->AddChild(tab->fView);
	fTabs.push_back(tab);
	Invalidate();
}

BTab*
BTabView::RemoveTab(int32 index)
{
	BTab* tab = TabAt(index);
	if (tab == nullptr)
		return nullptr;
	fTabs.erase(fTabs.begin() + index);
	if (tab->fView != nullptr)
		tab->fView->RemoveSelf();
	tab->fTabView = nullptr;
	if (fSelection >= CountTabs())
		fSelection = std::max(0, CountTabs() - 1);
	Invalidate();
	return tab;
}

BTab*
BTabView::TabAt(int32 index) const
{
	if (index < 0 || index >= CountTabs())
		return nullptr;
	return fTabs[index];
}

int32
BTabView::CountTabs() const
{
	return (int32)fTabs.size();
}

BView*
BTabView::ViewForTab(int32 index) const
{
	BTab* tab = TabAt(index);
	return tab != nullptr ? tab->View() : nullptr;
}

BView*
BTabView::ContainerView() const
{
	return fContainer;
}

void
BTabView::Select(int32 index)
{
	if (TabAt(index) == nullptr || index == fSelection)
		return;
	fSelection = index;
	Invalidate();
}

int32
BTabView::Selection() const
{
	return fSelection;
}

void
BTabView::SetTabWidth(button_width width)
{
	fTabWidth = width;
	Invalidate();
}

button_width
BTabView::TabWidth() const
{
	return fTabWidth;
}

float
BTabView::TabHeight() const
{
	return fTabHeight;
}

BRect
BTabView::TabFrame(int32 index) const
{
	float left = kFirstTabLeft;
	for (int32 before = 0; before < index; before++)
		left += _TabWidth(before);
	return BRect(left, 0, left + _TabWidth(index), fTabHeight);
}

void
BTabView::HandleDisplayInput(BMessage* input)
{
	int32 index;
	if (input->what == kMsgTabChosen && input->FindInt32("be:index", &index) == B_OK)
		Select(index);
	else
		BView::HandleDisplayInput(input);
}

void
BTabView::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::TabView;
	for (int32 index = 0; index < CountTabs(); index++) {
		state->tabLabels.push_back(fTabs[index]->Label());
		state->tabFrames.push_back(TabFrame(index));
		BView* page = fTabs[index]->View();
		state->tabPages.push_back(page != nullptr ? TokenSpace::TokenOf(page)
		                                          : TokenSpace::kNoToken);
	}
	state->selectedTab = CountTabs() > 0 ? fSelection : -1;
}

float
BTabView::_TabWidth(int32 index) const
{
	switch (fTabWidth) {
		case B_WIDTH_FROM_WIDEST: {
			float widest = 0;
			for (BTab* tab : fTabs)
				widest = std::max(widest, std::ceil(StringWidth(tab->Label())));
			return widest + kLabelMargin;
		}
		case B_WIDTH_FROM_LABEL:
			return std::ceil(StringWidth(TabAt(index) != nullptr ? TabAt(index)->Label() : "")) +
			       kLabelMargin;
		case B_WIDTH_AS_USUAL:
		case B_WIDTH_FIXED:
			break;
	}
	return kUsualTabWidth;
}
