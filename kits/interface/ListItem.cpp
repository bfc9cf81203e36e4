#include <ListItem.h>

BListItem::BListItem(uint32 outlineLevel, bool expanded)
    : fOutlineLevel(outlineLevel), fExpanded(expanded), fEnabled(true), fSelected(false)
{
}

BListItem::~BListItem() = default;

bool
BListItem::IsSelected() const
{
	return fSelected;
}

void
BListItem::SetEnabled(bool enabled)
{
	fEnabled = enabled;
}

bool
BListItem::IsEnabled() const
{
	return fEnabled;
}

uint32
BListItem::OutlineLevel() const
{
	return fOutlineLevel;
}

bool
BListItem::IsExpanded() const
{
	return fExpanded;
}

std::string
BListItem::DisplayText() const
{
	return "";
}

BStringItem::BStringItem(const char* text, uint32 outlineLevel, bool expanded)
    : BListItem(outlineLevel, expanded), fText(text != nullptr ? text : "")
{
}

BStringItem::~BStringItem() = default;

void
BStringItem::SetText(const char* text)
{
	fText = text != nullptr ? text : "";
}

const char*
BStringItem::Text() const
{
	return fText.c_str();
}

std::string
BStringItem::DisplayText() const
{
	return fText;
}
