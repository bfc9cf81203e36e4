#include <ListView.h>

#include <algorithm>

#include <ListItem.h>
#include <Message.h>

#include <Display.h>

using BPrivate::kMsgRowsSelected;
using BPrivate::ViewKind;
using BPrivate::ViewState;

BListView::BListView(BRect frame, const char* name, list_view_type type, uint32 resizingMode,
                     uint32 flags)
    : BView(frame, name, resizingMode, flags), fListType(type)
{
}

BListView::~BListView() = default;

bool
BListView::AddItem(BListItem* item)
{
	return AddItem(item, CountItems());
}

bool
BListView::AddItem(BListItem* item, int32 index)
{
	if (item == nullptr || index < 0 || index > CountItems())
		return false;
	bool shifts = _AnySelected(index, CountItems() - 1);
	item->fSelected = false;
	fItems.insert(fItems.begin() + index, item);
	Invalidate();
	if (shifts)
		SelectionChanged();
	return true;
}

BListItem*
BListView::RemoveItem(int32 index)
{
	BListItem* item = ItemAt(index);
	if (item == nullptr)
		return nullptr;
	bool shifts = _AnySelected(index, CountItems() - 1);
	fItems.erase(fItems.begin() + index);
	item->fSelected = false;
	Invalidate();
	if (shifts)
		SelectionChanged();
	return item;
}

bool
BListView::RemoveItem(BListItem* item)
{
	int32 index = IndexOf(item);
	return index >= 0 && RemoveItem(index) != nullptr;
}

bool
BListView::MoveItem(int32 from, int32 to)
{
	if (ItemAt(from) == nullptr || ItemAt(to) == nullptr)
		return false;
	if (from == to)
		return true;
	bool shifts = _AnySelected(std::min(from, to), std::max(from, to));
	BListItem* item = fItems[from];
	fItems.erase(fItems.begin() + from);
	fItems.insert(fItems.begin() + to, item);
	Invalidate();
	if (shifts)
		SelectionChanged();
	return true;
}

void
BListView::MakeEmpty()
{
	bool anySelected = _AnySelected(0, CountItems() - 1);
	for (BListItem* item : fItems)
		item->fSelected = false;
	fItems.clear();
	Invalidate();
	if (anySelected)
		SelectionChanged();
}

int32
BListView::CountItems() const
{
	return (int32)fItems.size();
}

bool
BListView::IsEmpty() const
{
	return fItems.empty();
}

BListItem*
BListView::ItemAt(int32 index) const
{
	if (index < 0 || index >= CountItems())
		return nullptr;
	return fItems[index];
}

int32
BListView::IndexOf(BListItem* item) const
{
	auto found = std::find(fItems.begin(), fItems.end(), item);
	return found != fItems.end() ? (int32)(found - fItems.begin()) : -1;
}

void
BListView::InvalidateItem(int32)
{
	Invalidate();
}

int32
BListView::CurrentSelection(int32 index) const
{
	for (int32 row = 0; row < CountItems(); row++) {
		if (fItems[row]->fSelected && index-- == 0)
			return row;
	}
	return -1;
}

bool
BListView::IsItemSelected(int32 index) const
{
	BListItem* item = ItemAt(index);
	return item != nullptr && item->fSelected;
}

void
BListView::Select(int32 index, bool extend)
{
	Select(index, index, extend);
}

void
BListView::Select(int32 from, int32 to, bool extend)
{
	if (ItemAt(from) == nullptr || ItemAt(to) == nullptr || from > to)
		return;
	std::vector<bool> selected(CountItems(), false);
	for (int32 row = 0; row < CountItems(); row++)
		selected[row] = (extend && fItems[row]->fSelected) || (row >= from && row <= to);
	_SetSelection(selected);
}

void
BListView::Deselect(int32 index)
{
	if (!IsItemSelected(index))
		return;
	fItems[index]->fSelected = false;
	Invalidate();
	SelectionChanged();
}

void
BListView::DeselectAll()
{
	_SetSelection(std::vector<bool>(CountItems(), false));
}

void
BListView::SelectionChanged()
{
}

list_view_type
BListView::ListType() const
{
	return fListType;
}

void
BListView::SetListType(list_view_type type)
{
	fListType = type;
	if (type == B_SINGLE_SELECTION_LIST && CurrentSelection(1) >= 0)
		Select(CurrentSelection(0));
	Invalidate();
}

void
BListView::HandleDisplayInput(BMessage* input)
{
	if (input->what != kMsgRowsSelected) {
		BView::HandleDisplayInput(input);
		return;
	}
	std::vector<bool> selected(CountItems(), false);
	int32 row;
	bool single = fListType == B_SINGLE_SELECTION_LIST;
	for (int32 index = 0; input->FindInt32("be:rows", index, &row) == B_OK; index++) {
		if (row >= 0 && row < CountItems())
			selected[row] = true;
		if (single)
			break;
	}
	// The screen may show a selection the list no longer has: show the
	// list's own.
	Invalidate();
	_SetSelection(selected);
}

void
BListView::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->kind = ViewKind::ListView;
	state->listType = fListType;
	state->rows.reserve(fItems.size());
	for (int32 row = 0; row < CountItems(); row++) {
		state->rows.push_back(fItems[row]->DisplayText());
		if (fItems[row]->fSelected)
			state->selection.push_back(row);
	}
}

bool
BListView::_AnySelected(int32 from, int32 to) const
{
	for (int32 row = std::max(0, from); row <= to && row < CountItems(); row++) {
		if (fItems[row]->fSelected)
			return true;
	}
	return false;
}

void
BListView::_SetSelection(const std::vector<bool>& selected)
{
	bool changed = false;
	for (int32 row = 0; row < CountItems(); row++) {
		changed = changed || fItems[row]->fSelected != selected[row];
		fItems[row]->fSelected = selected[row];
	}
	if (!changed)
		return;
	Invalidate();
	SelectionChanged();
}
