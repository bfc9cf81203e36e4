#include <Window.h>

#include <cstring>

#include <Autolock.h>
#include <Message.h>
#include <Messenger.h>
#include <View.h>

#include <Display.h>
#include <TokenSpace.h>

using namespace BPrivate;

namespace {

// Posted by a window to itself: send what changed to the display.
const uint32 kMsgUpdateDisplay = '_Dup';
// How long Sync() waits for the display at most: a display that has not
// drawn by then is not waited for.
const bigtime_t kSyncTimeout = 1000000;

window_look
LookFor(window_type type)
{
	switch (type) {
		case B_DOCUMENT_WINDOW:
			return B_DOCUMENT_WINDOW_LOOK;
		case B_MODAL_WINDOW:
			return B_MODAL_WINDOW_LOOK;
		case B_FLOATING_WINDOW:
			return B_FLOATING_WINDOW_LOOK;
		case B_BORDERED_WINDOW:
			return B_BORDERED_WINDOW_LOOK;
		case B_UNTYPED_WINDOW:
		case B_TITLED_WINDOW:
			break;
	}
	return B_TITLED_WINDOW_LOOK;
}

window_feel
FeelFor(window_type type)
{
	switch (type) {
		case B_MODAL_WINDOW:
			return B_MODAL_APP_WINDOW_FEEL;
		case B_FLOATING_WINDOW:
			return B_FLOATING_APP_WINDOW_FEEL;
		default:
			return B_NORMAL_WINDOW_FEEL;
	}
}

} // namespace

BWindow::BWindow(BRect frame, const char* title, window_type type, uint32 flags, uint32 workspace)
    : BWindow(frame, title, LookFor(type), FeelFor(type), flags, workspace)
{
}

BWindow::BWindow(BRect frame, const char* title, window_look look, window_feel feel, uint32 flags,
                 uint32 workspace)
    : BLooper(title), fTitle(title != nullptr ? title : ""), fFrame(frame), fLook(look),
      fFeel(feel), fFlags(flags), fWorkspaces(workspace), fShowLevel(1), fRunning(false),
      fTopView(new BView(Bounds(), "top view", B_FOLLOW_ALL, 0)), fUpdatePending(false),
      fClosing(false)
{
	fTopView->_Attach(this);
}

BWindow::~BWindow()
{
	fClosing = true;
	delete fTopView;
	if (Display* display = Display::Current())
		display->RemoveWindow(TokenSpace::TokenOf(this));
}

thread_id
BWindow::Run()
{
	fRunning = true;
	return BLooper::Run();
}

void
BWindow::DispatchMessage(BMessage* message, BHandler* handler)
{
	if (handler == this) {
		switch (message->what) {
			case kMsgUpdateDisplay:
				UpdateIfNeeded();
				return;
			case kMsgControlValue:
			case kMsgTextChanged:
			case kMsgRowsSelected:
			case kMsgTabChosen:
			case kMsgMenuItemChosen:
			case kMsgFilesDropped:
			case kMsgKeyDown:
			case kMsgCloseBox:
			case kMsgWindowMoved:
				_HandleInput(message);
				return;
		}
	}
	const char* bytes;
	BView* view = dynamic_cast<BView*>(handler);
	if (message->what == B_KEY_DOWN && view != nullptr &&
	    message->FindString("bytes", &bytes) == B_OK) {
		view->KeyDown(bytes, (int32)strlen(bytes));
		return;
	}
	BLooper::DispatchMessage(message, handler);
}

void
BWindow::Show()
{
	if (!fRunning) {
		// The first Show() comes from the thread that built the window
		// and still holds its lock; Run() releases it.
		fShowLevel--;
		WindowChanged();
		Run();
		return;
	}
	BAutolock lock(this);
	if (!lock.IsLocked())
		return;
	fShowLevel--;
	WindowChanged();
}

void
BWindow::Hide()
{
	BAutolock lock(this);
	if (!lock.IsLocked())
		return;
	fShowLevel++;
	WindowChanged();
}

bool
BWindow::IsHidden() const
{
	return fShowLevel > 0;
}

void
BWindow::MoveTo(BPoint where)
{
	MoveTo(where.x, where.y);
}

void
BWindow::MoveTo(float x, float y)
{
	BAutolock lock(this);
	if (!lock.IsLocked())
		return;
	fFrame.OffsetTo(x, y);
	WindowChanged();
}

void
BWindow::MoveBy(float dx, float dy)
{
	BAutolock lock(this);
	if (lock.IsLocked())
		MoveTo(fFrame.left + dx, fFrame.top + dy);
}

void
BWindow::ResizeTo(float width, float height)
{
	BAutolock lock(this);
	if (lock.IsLocked())
		ResizeBy(width - fFrame.Width(), height - fFrame.Height());
}

void
BWindow::ResizeBy(float dx, float dy)
{
	BAutolock lock(this);
	if (!lock.IsLocked())
		return;
	fFrame.right += dx;
	fFrame.bottom += dy;
	fTopView->ResizeBy(dx, dy);
	WindowChanged();
}

BRect
BWindow::Frame() const
{
	BAutolock lock(const_cast<BWindow*>(this));
	return fFrame;
}

BRect
BWindow::Bounds() const
{
	BRect frame = Frame();
	return BRect(0, 0, frame.Width(), frame.Height());
}

void
BWindow::SetTitle(const char* title)
{
	BAutolock lock(this);
	if (!lock.IsLocked())
		return;
	fTitle = title != nullptr ? title : "";
	SetName(fTitle.c_str());
	WindowChanged();
}

const char*
BWindow::Title() const
{
	return fTitle.c_str();
}

window_look
BWindow::Look() const
{
	return fLook;
}

window_feel
BWindow::Feel() const
{
	return fFeel;
}

uint32
BWindow::Flags() const
{
	return fFlags;
}

uint32
BWindow::Workspaces() const
{
	return fWorkspaces;
}

void
BWindow::AddChild(BView* child, BView* before)
{
	fTopView->AddChild(child, before);
}

bool
BWindow::RemoveChild(BView* child)
{
	return fTopView->RemoveChild(child);
}

int32
BWindow::CountChildren() const
{
	return fTopView->CountChildren();
}

BView*
BWindow::ChildAt(int32 index) const
{
	return fTopView->ChildAt(index);
}

BView*
BWindow::FindView(const char* name) const
{
	return fTopView->FindView(name);
}

void
BWindow::FillState(WindowState* state) const
{
	state->token = TokenSpace::TokenOf(this);
	state->kind = WindowKind::Normal;
	state->title = fTitle;
	state->frame = fFrame;
	state->look = fLook;
	state->feel = fFeel;
	state->flags = fFlags;
	state->shown = fShowLevel <= 0;
	state->target = BMessenger(this);
	for (int32 index = 0; index < fTopView->CountChildren(); index++)
		state->children.push_back(TokenSpace::TokenOf(fTopView->ChildAt(index)));
}

void
BWindow::UpdateIfNeeded()
{
	if (!fUpdatePending)
		return;
	fUpdatePending = false;
	WindowUpdate update;
	FillState(&update.window);
	std::vector<BView*> dirty;
	_CollectDirty(fTopView, &dirty);
	for (BView* view : dirty) {
		update.views.emplace_back();
		view->FillState(&update.views.back());
	}
	update.removedViews = std::move(fRemovedViews);
	fRemovedViews.clear();
	fDirtyViews.clear();
	if (Display* display = Display::Current())
		display->Update(std::move(update));
}

void
BWindow::Sync()
{
	UpdateIfNeeded();
	if (Display* display = Display::Current())
		display->Sync(kSyncTimeout);
}

void
BWindow::WindowChanged()
{
	_ScheduleUpdate();
}

void
BWindow::_ViewChanged(BView* view)
{
	if (view != fTopView)
		fDirtyViews.insert(view);
	_ScheduleUpdate();
}

void
BWindow::_ViewRemoved(BView* view)
{
	fDirtyViews.erase(view);
	fRemovedViews.push_back(TokenSpace::TokenOf(view));
	_ScheduleUpdate();
}

void
BWindow::_ScheduleUpdate()
{
	if (fUpdatePending || fClosing)
		return;
	fUpdatePending = true;
	PostMessage(kMsgUpdateDisplay);
}

// Parents come before their children, so a display can build the tree in
// the order it gets the views.
void
BWindow::_CollectDirty(BView* view, std::vector<BView*>* dirty) const
{
	if (fDirtyViews.count(view) != 0)
		dirty->push_back(view);
	for (BView* child : view->fChildren)
		_CollectDirty(child, dirty);
}

void
BWindow::_HandleInput(BMessage* input)
{
	switch (input->what) {
		case kMsgCloseBox:
			if ((fFlags & B_NOT_CLOSABLE) == 0)
				PostMessage(B_QUIT_REQUESTED);
			break;
		case kMsgWindowMoved: {
			int32 left;
			int32 top;
			if (input->FindInt32("be:left", &left) == B_OK &&
			    input->FindInt32("be:top", &top) == B_OK)
				fFrame.OffsetTo(left, top);
			break;
		}
		default: {
			int32 token;
			if (input->FindInt32("be:view", &token) != B_OK)
				break;
			if (BView* view = fTopView->_FindToken(token))
				view->HandleDisplayInput(input);
			break;
		}
	}
}
