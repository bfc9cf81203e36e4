#include "FltkWidget.h"

#include <FL/Fl.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Widget.H>

#include <algorithm>

#include <EntryRef.h>

#include "FltkButton.h"
#include "FltkCheckBox.h"
#include "FltkListView.h"
#include "FltkMenuBar.h"
#include "FltkMenuField.h"
#include "FltkScale.h"
#include "FltkStatusBar.h"
#include "FltkStringView.h"
#include "FltkTabView.h"
#include "FltkTextControl.h"
#include "FltkTextView.h"
#include "FltkView.h"
#include "FltkWindow.h"
#include <Display.h>

using namespace BPrivate;

FltkWidget::FltkWidget(ViewKind kind, int32 token) : fKind(kind), fToken(token) {}

FltkWidget::~FltkWidget() = default;

ViewKind
FltkWidget::Kind() const
{
	return fKind;
}

void
FltkWidget::Place(const BRect& frame)
{
	fFrame = frame;
	int x;
	int y;
	int width;
	int height;
	FltkScale::Rect(frame, &x, &y, &width, &height);
	Widget()->resize(x, y, width, height);
}

std::vector<FltkWidget::TextRoom>
FltkWidget::Texts() const
{
	return {};
}

FltkWidget::TextRoom
FltkWidget::ButtonText(const Fl_Button& button)
{
	int width = button.w() - Fl::box_dw(button.box());
	// A return button draws its arrow at the right, as wide as the button
	// is high (a third of the button at most) and 4 from the edge, and
	// centres the label in what is left of it.
	if (dynamic_cast<const Fl_Return_Button*>(&button) != nullptr) {
		int arrow = std::min(button.h(), button.w() / 3);
		width = std::min(width - arrow + 4, button.w() - arrow - 12);
	}
	return {button.label() != nullptr ? button.label() : "", width,
	        button.h() - Fl::box_dh(button.box())};
}

std::unique_ptr<FltkWidget>
FltkWidget::Make(const ViewState& state)
{
	switch (state.kind) {
		case ViewKind::Button:
			return std::make_unique<FltkButton>(state.token);
		case ViewKind::CheckBox:
			return std::make_unique<FltkCheckBox>(state.token);
		case ViewKind::TextControl:
			return std::make_unique<FltkTextControl>(state.token);
		case ViewKind::TextView:
			return std::make_unique<FltkTextView>(state.token);
		case ViewKind::StringView:
			return std::make_unique<FltkStringView>(state.token);
		case ViewKind::MenuBar:
			return std::make_unique<FltkMenuBar>(state.token);
		case ViewKind::MenuField:
			return std::make_unique<FltkMenuField>(state.token);
		case ViewKind::TabView:
			return std::make_unique<FltkTabView>(state.token);
		case ViewKind::ListView:
			return std::make_unique<FltkListView>(state.token);
		case ViewKind::StatusBar:
			return std::make_unique<FltkStatusBar>(state.token);
		case ViewKind::View:
		case ViewKind::ScrollView:
			break;
	}
	return std::make_unique<FltkView>(state.kind, state.token);
}

Fl_Color
FltkWidget::Color(rgb_color color)
{
	return fl_rgb_color(color.red, color.green, color.blue);
}

void
FltkWidget::SendValue(int32 value)
{
	BMessage input = _Input(kMsgControlValue);
	input.AddInt32("be:value", value);
	_Send(&input);
}

void
FltkWidget::SendText(const std::string& text)
{
	BMessage input = _Input(kMsgTextChanged);
	input.AddString("be:text", text.c_str());
	_Send(&input);
}

void
FltkWidget::SendRows(const std::vector<int32>& rows)
{
	BMessage input = _Input(kMsgRowsSelected);
	for (int32 row : rows)
		input.AddInt32("be:rows", row);
	_Send(&input);
}

void
FltkWidget::SendTab(int32 index)
{
	BMessage input = _Input(kMsgTabChosen);
	input.AddInt32("be:index", index);
	_Send(&input);
}

void
FltkWidget::SendMenuItem(int32 item)
{
	BMessage input = _Input(kMsgMenuItemChosen);
	input.AddInt32("be:item", item);
	_Send(&input);
}

void
FltkWidget::SendKey(const std::string& bytes, uint32 modifiers)
{
	BMessage input = _Input(kMsgKeyDown);
	input.AddString("bytes", bytes.c_str());
	input.AddInt32("modifiers", (int32)modifiers);
	_Send(&input);
}

void
FltkWidget::SendDrop(const std::vector<std::string>& paths)
{
	BMessage drop = _Input(kMsgFilesDropped);
	bool any = false;
	for (const std::string& path : paths) {
		entry_ref ref;
		if (get_ref_for_path(path.c_str(), &ref) != B_OK)
			continue;
		drop.AddRef("refs", &ref);
		any = true;
	}
	if (any)
		_Send(&drop);
}

int
FltkWidget::ScreenX(float x) const
{
	return FltkScale::Pixels(fFrame.left + x) - FltkScale::Pixels(fFrame.left);
}

int
FltkWidget::ScreenY(float y) const
{
	return FltkScale::Pixels(fFrame.top + y) - FltkScale::Pixels(fFrame.top);
}

void
FltkWidget::ShowEnabled(bool enabled)
{
	if (enabled)
		Widget()->activate();
	else
		Widget()->deactivate();
}

BMessage
FltkWidget::_Input(uint32 what) const
{
	BMessage input(what);
	input.AddInt32("be:view", fToken);
	return input;
}

void
FltkWidget::_Send(BMessage* message)
{
	if (FltkWindow* window = dynamic_cast<FltkWindow*>(Widget()->window()))
		window->Post(message);
}
