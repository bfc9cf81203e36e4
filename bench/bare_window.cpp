// The reference for the program's start: an FLTK double-buffered window
// and nothing in it, of the size and with the title it is given, shown
// until it is killed. Built for the benchmarks only.
//
// Usage: bare_window WIDTH HEIGHT TITLE
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <cstdlib>

int
main(int argc, char** argv)
{
	if (argc != 4)
		return 2;
	Fl_Double_Window window(atoi(argv[1]), atoi(argv[2]), argv[3]);
	window.end();
	window.show();
	return Fl::run();
}
