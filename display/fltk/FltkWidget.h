// FltkWidget: a kit view on the screen, as one FLTK widget of its window.
//
// A window's widgets all lie directly in the FLTK window, in the order of
// the view tree (parents before children), so a parent's background is
// drawn below its children and children get the clicks first; the window
// computes where each one lies from the frames (see FltkWindow).
//
// Input: a widget's callback is a small static function that posts what
// the user did to the kit window with one of the Send...() functions, which
// alone know the display's input messages; it never touches the kit's
// views.
//
// Threads: screen thread only.
#ifndef FLTK_WIDGET_H
#define FLTK_WIDGET_H

#include <memory>
#include <string>
#include <vector>

#include <Message.h>

#include <DisplayState.h>

class Fl_Button;
class Fl_Widget;
typedef unsigned int Fl_Color;

class FltkWidget {
public:
	// A text that a widget draws on one line, and the room it has there,
	// in pixels: a text wider or higher than its room is cut.
	struct TextRoom {
		std::string text;
		int width;
		int height;
	};

	FltkWidget(BPrivate::ViewKind kind, int32 token);
	virtual ~FltkWidget();
	FltkWidget(const FltkWidget&) = delete;
	FltkWidget& operator=(const FltkWidget&) = delete;

	BPrivate::ViewKind Kind() const;
	virtual Fl_Widget* Widget() = 0;

	// Shows the view's state; parent is its parent's, null for a view at
	// the top of the window.
	virtual void Show(const BPrivate::ViewState& state, const BPrivate::ViewState* parent) = 0;
	// Puts the widget at the view's frame, given in the window's
	// coordinates of the kits.
	virtual void Place(const BRect& frame);
	// The texts the widget draws on one line, in the plain font, with
	// their room; by default none.
	virtual std::vector<TextRoom> Texts() const;
	// A button's label and its room, as FLTK draws it.
	static TextRoom ButtonText(const Fl_Button& button);

	// The widget for a view of that kind.
	static std::unique_ptr<FltkWidget> Make(const BPrivate::ViewState& state);
	static Fl_Color Color(rgb_color color);

	// A control's value (a button's click is B_CONTROL_ON).
	void SendValue(int32 value);
	void SendText(const std::string& text);
	// The selected rows, in order.
	void SendRows(const std::vector<int32>& rows);
	void SendTab(int32 index);
	void SendMenuItem(int32 item);
	// A key the widget had the focus for and nothing on the screen used.
	void SendKey(const std::string& bytes, uint32 modifiers);
	// The files at the paths, as one drop with every one under "refs";
	// paths that name no entry are left out, and nothing is sent when
	// none is left.
	void SendDrop(const std::vector<std::string>& paths);

protected:
	// Enables or disables the widget.
	void ShowEnabled(bool enabled);
	// A distance from the view's left or top edge, in the kits'
	// coordinates, as pixels from the widget's edge.
	int ScreenX(float x) const;
	int ScreenY(float y) const;

private:
	BMessage _Input(uint32 what) const;
	void _Send(BMessage* message);

	BPrivate::ViewKind fKind;
	int32 fToken;
	BRect fFrame;
};

#endif // FLTK_WIDGET_H
