#include <View.h>

#include <algorithm>
#include <cstring>

#include <Message.h>
#include <Window.h>

#include <Display.h>
#include <TokenSpace.h>

using BPrivate::Display;
using BPrivate::kMsgFilesDropped;
using BPrivate::kMsgKeyDown;
using BPrivate::TokenSpace;
using BPrivate::ViewKind;
using BPrivate::ViewState;

namespace {

// How far an edge moves when its parent grows by delta, by the edge's rule.
float
EdgeShift(uint32 rule, float delta)
{
	switch (rule) {
		case _VIEW_RIGHT_:
		case _VIEW_BOTTOM_:
			return delta;
		case _VIEW_CENTER_:
			return delta / 2;
		default:
			return 0;
	}
}

} // namespace

BView::BView(BRect frame, const char* name, uint32 resizingMode, uint32 flags)
    : BHandler(name), fFrame(frame), fResizingMode(resizingMode), fFlags(flags),
      fViewColor({255, 255, 255, 255}), fParent(nullptr), fWindow(nullptr)
{
}

BView::~BView()
{
	while (!fChildren.empty()) {
		BView* child = fChildren.back();
		RemoveChild(child);
		delete child;
	}
	if (fParent != nullptr)
		fParent->RemoveChild(this);
}

void
BView::AttachedToWindow()
{
}

void
BView::DetachedFromWindow()
{
}

void
BView::AddChild(BView* child, BView* before)
{
	if (child == nullptr || child->fParent != nullptr || child == this)
		return;
	auto position = std::find(fChildren.begin(), fChildren.end(), before);
	fChildren.insert(position, child);
	child->fParent = this;
	if (fWindow != nullptr)
		child->_Attach(fWindow);
	Invalidate();
}

bool
BView::RemoveChild(BView* child)
{
	auto found = std::find(fChildren.begin(), fChildren.end(), child);
	if (child == nullptr || found == fChildren.end())
		return false;
	if (fWindow != nullptr)
		child->_Detach();
	fChildren.erase(std::find(fChildren.begin(), fChildren.end(), child));
	child->fParent = nullptr;
	Invalidate();
	return true;
}

bool
BView::RemoveSelf()
{
	return fParent != nullptr && fParent->RemoveChild(this);
}

int32
BView::CountChildren() const
{
	return (int32)fChildren.size();
}

BView*
BView::ChildAt(int32 index) const
{
	if (index < 0 || index >= CountChildren())
		return nullptr;
	return fChildren[index];
}

BView*
BView::Parent() const
{
	if (fWindow != nullptr && fParent == fWindow->fTopView)
		return nullptr;
	return fParent;
}

BView*
BView::FindView(const char* name) const
{
	if (name == nullptr)
		return nullptr;
	for (BView* child : fChildren) {
		if (strcmp(child->Name(), name) == 0)
			return child;
		if (BView* below = child->FindView(name))
			return below;
	}
	return nullptr;
}

BWindow*
BView::Window() const
{
	return fWindow;
}

BRect
BView::Frame() const
{
	return fFrame;
}

BRect
BView::Bounds() const
{
	return BRect(0, 0, fFrame.Width(), fFrame.Height());
}

void
BView::MoveTo(BPoint where)
{
	MoveTo(where.x, where.y);
}

void
BView::MoveTo(float x, float y)
{
	if (x == fFrame.left && y == fFrame.top)
		return;
	fFrame.OffsetTo(x, y);
	Invalidate();
}

void
BView::MoveBy(float dx, float dy)
{
	MoveTo(fFrame.left + dx, fFrame.top + dy);
}

void
BView::ResizeTo(float width, float height)
{
	ResizeBy(width - fFrame.Width(), height - fFrame.Height());
}

void
BView::ResizeBy(float dx, float dy)
{
	if (dx == 0 && dy == 0)
		return;
	fFrame.right += dx;
	fFrame.bottom += dy;
	for (BView* child : fChildren)
		child->_ParentResized(dx, dy);
	Invalidate();
}

void
BView::ResizeToPreferred()
{
	float width;
	float height;
	GetPreferredSize(&width, &height);
	ResizeTo(width, height);
}

void
BView::GetPreferredSize(float* width, float* height)
{
	*width = fFrame.Width();
	*height = fFrame.Height();
}

uint32
BView::ResizingMode() const
{
	return fResizingMode;
}

void
BView::SetResizingMode(uint32 mode)
{
	fResizingMode = mode;
	Invalidate();
}

uint32
BView::Flags() const
{
	return fFlags;
}

void
BView::SetFlags(uint32 flags)
{
	fFlags = flags;
	Invalidate();
}

void
BView::SetViewColor(rgb_color color)
{
	fViewColor = color;
	Invalidate();
}

void
BView::SetViewColor(uint8 red, uint8 green, uint8 blue, uint8 alpha)
{
	SetViewColor(rgb_color{red, green, blue, alpha});
}

rgb_color
BView::ViewColor() const
{
	return fViewColor;
}

void
BView::GetFontHeight(font_height* height) const
{
	*height = Display::FontHeight();
}

float
BView::StringWidth(const char* string) const
{
	return Display::Width(string);
}

void
BView::Invalidate()
{
	if (fWindow != nullptr)
		fWindow->_ViewChanged(this);
}

void
BView::KeyDown(const char*, int32)
{
}

void
BView::HandleDisplayInput(BMessage* input)
{
	uint32 what = input->what == kMsgFilesDropped ? (uint32)B_SIMPLE_DATA
	              : input->what == kMsgKeyDown    ? (uint32)B_KEY_DOWN
	                                              : 0;
	if (what == 0 || fWindow == nullptr)
		return;
	BMessage message(*input);
	message.what = what;
	message.RemoveName("be:view");
	fWindow->DispatchMessage(&message, this);
}

void
BView::FillState(ViewState* state) const
{
	state->token = TokenSpace::TokenOf(this);
	state->parent = Parent() != nullptr ? TokenSpace::TokenOf(fParent) : TokenSpace::kNoToken;
	state->kind = ViewKind::View;
	state->name = Name();
	state->frame = fFrame;
	state->resizingMode = fResizingMode;
	state->flags = fFlags;
	state->viewColor = fViewColor;
	for (BView* child : fChildren)
		state->children.push_back(TokenSpace::TokenOf(child));
}

void
BView::_Attach(BWindow* window)
{
	fWindow = window;
	window->AddHandler(this);
	SetNextHandler(fParent != nullptr ? static_cast<BHandler*>(fParent) : window);
	window->_ViewChanged(this);
	AttachedToWindow();
	for (BView* child : fChildren)
		child->_Attach(window);
}

void
BView::_Detach()
{
	DetachedFromWindow();
	for (BView* child : fChildren)
		child->_Detach();
	fWindow->_ViewRemoved(this);
	fWindow->RemoveHandler(this);
	fWindow = nullptr;
}

void
BView::_ParentResized(float dx, float dy)
{
	BRect frame = fFrame;
	frame.left += EdgeShift((fResizingMode >> 8) & 0xf, dx);
	frame.right += EdgeShift(fResizingMode & 0xf, dx);
	frame.top += EdgeShift((fResizingMode >> 12) & 0xf, dy);
	frame.bottom += EdgeShift((fResizingMode >> 4) & 0xf, dy);
	MoveTo(frame.left, frame.top);
	ResizeTo(frame.Width(), frame.Height());
}

BView*
BView::_FindToken(int32 token)
{
	if (TokenSpace::TokenOf(this) == token)
		return this;
	for (BView* child : fChildren) {
		if (BView* found = child->_FindToken(token))
			return found;
	}
	return nullptr;
}
