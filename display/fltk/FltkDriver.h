// FltkDriver: puts the screen under the kits. The program's main() calls
// Install() before it builds the application; nothing else of the FLTK
// display is visible from here, so the program needs none of the kits'
// private headers.
//
// The display lives until Close() or the process's exit; its screen thread
// ends before the process takes down what that thread uses.
#ifndef FLTK_DRIVER_H
#define FLTK_DRIVER_H

#include <cstdint>
#include <string>
#include <vector>

class FltkDriver {
public:
	// What the desktop knows the program's windows by: the class that its
	// desktop entry names (StartupWMClass), and its icon at a few sizes,
	// each square, every pixel 0xAARRGGBB, row by row.
	struct Identity {
		std::string windowClass;
		std::vector<std::vector<uint32_t>> icons;
	};

	// Opens the X screen named by DISPLAY and makes it the kits' display,
	// whose windows carry the identity. False, with a one-line reason for
	// the user in *error, when there is no screen to open.
	static bool Install(std::string* error, const Identity& identity);
	// Takes the display down once the application is gone (else at the
	// process's exit); false when the connection to the screen broke at
	// any time before.
	static bool Close();

private:
	static void _CloseAtExit();
};

#endif // FLTK_DRIVER_H
