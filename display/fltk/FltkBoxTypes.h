// FltkBoxTypes: FLTK's raised, sunken and bordered boxes with lines as thick
// as the display's factor makes them (FltkScale::Line()), so that frames
// grow with the text they hold. At a factor that keeps lines one pixel
// thick, FLTK's own boxes stay.
//
// Threads: screen thread only.
#ifndef FLTK_BOX_TYPES_H
#define FLTK_BOX_TYPES_H

class FltkBoxTypes {
public:
	// Once, when the screen opens, after the factor is set.
	static void Install();
};

#endif // FLTK_BOX_TYPES_H
