#include "FltkText.h"

#include <FL/fl_draw.H>

#include <cmath>

FltkText::FltkText()
    : Fl_Widget(0, 0, 1, 1), fAlignment(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP)
{
	box(FL_NO_BOX);
}

void
FltkText::SetText(const std::string& text)
{
	fText = text;
}

const std::string&
FltkText::Text() const
{
	return fText;
}

void
FltkText::SetAlignment(Fl_Align alignment)
{
	fAlignment = alignment;
}

int
FltkText::LineHeight()
{
	fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
	return fl_height();
}

int
FltkText::Width(const std::string& text)
{
	fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
	return (int)std::ceil(fl_width(text.c_str()));
}

int
FltkText::WrappedHeight(const std::string& text, int width)
{
	fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
	int height = 0;
	fl_measure(text.c_str(), width, height, 0);
	return height;
}

void
FltkText::draw()
{
	fl_font(labelfont(), labelsize());
	fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
	fl_push_clip(x(), y(), w(), h());
	fl_draw(fText.c_str(), x(), y(), w(), h(), fAlignment, nullptr, 0);
	fl_pop_clip();
}
