// BView: a rectangle of a window with state of its own; the base of every
// control.
//
// Ownership: a view added to a parent (or to a window) belongs to it and is
// deleted with it. RemoveChild() hands it back to the caller.
//
// Threads: a view's state is read and written with its window locked (or
// before it is in a window); views are the window's handlers and receive
// messages in the window's thread. Every change of what a view shows goes
// to the display through its window (Invalidate()), coalesced: the window
// sends one update for everything changed while it was locked.
//
// Coordinates: Frame() is in the parent's coordinates (the window's for a
// view added to the window); Bounds() is the view's own, (0, 0, width,
// height). When a view is resized, its children move and resize as their
// resizing modes say.
#ifndef _VIEW_H
#define _VIEW_H

#include <string>
#include <vector>

#include <Font.h>
#include <Handler.h>
#include <InterfaceDefs.h>
#include <Rect.h>

class BMessage;
class BWindow;
namespace BPrivate {
struct ViewState;
}

class BView : public BHandler {
public:
	BView(BRect frame, const char* name, uint32 resizingMode, uint32 flags);
	~BView() override;
	BView(const BView&) = delete;
	BView& operator=(const BView&) = delete;

	// Called, in tree order, when the view and its children join a window.
	virtual void AttachedToWindow();
	virtual void DetachedFromWindow();

	void AddChild(BView* child, BView* before = nullptr);
	bool RemoveChild(BView* child);
	bool RemoveSelf();
	int32 CountChildren() const;
	BView* ChildAt(int32 index) const;
	// Null for a view added to the window itself, as on BeOS.
	BView* Parent() const;
	// Searches the children and their children, depth first.
	BView* FindView(const char* name) const;
	BWindow* Window() const;

	BRect Frame() const;
	BRect Bounds() const;
	void MoveTo(BPoint where);
	void MoveTo(float x, float y);
	void MoveBy(float dx, float dy);
	void ResizeTo(float width, float height);
	void ResizeBy(float dx, float dy);
	// Resizes to GetPreferredSize(), keeping the left-top corner.
	virtual void ResizeToPreferred();
	// Default: the current size.
	virtual void GetPreferredSize(float* width, float* height);

	uint32 ResizingMode() const;
	void SetResizingMode(uint32 mode);
	uint32 Flags() const;
	void SetFlags(uint32 flags);
	void SetViewColor(rgb_color color);
	void SetViewColor(uint8 red, uint8 green, uint8 blue, uint8 alpha = 255);
	rgb_color ViewColor() const;

	// The plain font of the display.
	void GetFontHeight(font_height* height) const;
	float StringWidth(const char* string) const;

	// The view's state changed: its window sends it to the display with
	// the next update.
	void Invalidate();

	// A key was pressed while the view had the focus on the screen; bytes
	// are the key's (a UTF-8 character, or one of the key codes of
	// InterfaceDefs.h), the window's current message the whole
	// B_KEY_DOWN. Runs in the window's thread with the window locked.
	// Default: nothing.
	virtual void KeyDown(const char* bytes, int32 numBytes);

protected:
	// A message that the display posted for this view (a control's new
	// value, a text, a selection, a drop...). Runs in the window's thread
	// with the window locked. Default: a drop becomes a B_SIMPLE_DATA
	// message handed to this view, a key a B_KEY_DOWN message (which
	// reaches KeyDown()); anything else is ignored.
	virtual void HandleDisplayInput(BMessage* input);

	// Adds the view's own state to the snapshot the display gets; every
	// override calls its base first.
	virtual void FillState(BPrivate::ViewState* state) const;

private:
	friend class BWindow;

	void _Attach(BWindow* window);
	void _Detach();
	void _ParentResized(float dx, float dy);
	BView* _FindToken(int32 token);

	BRect fFrame;
	uint32 fResizingMode;
	uint32 fFlags;
	rgb_color fViewColor;
	BView* fParent;
	std::vector<BView*> fChildren;
	BWindow* fWindow;
};

#endif // _VIEW_H
