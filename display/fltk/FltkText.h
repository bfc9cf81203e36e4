// FltkText: a text drawn as it is. FLTK labels read '@' as the start of a
// symbol and '&' as a shortcut mark; file names and messages may hold
// both, so texts from the program are drawn with this widget instead.
#ifndef FLTK_TEXT_H
#define FLTK_TEXT_H

#include <string>

#include <FL/Fl_Widget.H>

class FltkText : public Fl_Widget {
public:
	FltkText();

	void SetText(const std::string& text);
	const std::string& Text() const;
	// FLTK alignment inside the widget; wrapping included.
	void SetAlignment(Fl_Align alignment);

	void draw() override;

	// Measures in the plain font.
	static int LineHeight();
	static int Width(const std::string& text);
	// How high the text is when wrapped at that width.
	static int WrappedHeight(const std::string& text, int width);

private:
	std::string fText;
	Fl_Align fAlignment;
};

#endif // FLTK_TEXT_H
