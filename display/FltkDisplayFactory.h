// FltkDisplayFactory: registers FltkDisplay as the platform's display when
// the program starts (a static object of FltkDisplayFactory.cpp, which is
// why the program links the FLTK display library whole). The display lives
// until the process exits, and its thread ends first.
#ifndef FLTK_DISPLAY_FACTORY_H
#define FLTK_DISPLAY_FACTORY_H

#include <string>

class Display;

class FltkDisplayFactory {
public:
	FltkDisplayFactory();

	static Display* Create(std::string* error);

private:
	static void _Close();
};

#endif // FLTK_DISPLAY_FACTORY_H
