// Builds the application object and the main window on a headless display,
// as the program does, with the settings of its arguments, and asks the
// window to quit in the application's thread:
//   window_probe LOCATION A B C     (the switches A B C are 0 or 1)
// Prints "agreed" when the window agreed, then runs the application, which
// the quit request the window posted must end. The settings are then on
// the probe's own file (or the user's settings file, see VFApp). Last it
// prints every alert that was shown, one a line, as the test user's
// problems: nothing expects an alert here.
#include <cstdio>
#include <cstring>
#include <string>

#include "HeadlessDisplay.h"
#include "app/VFApp.h"
#include "tests/support/TestUser.h"
#include "window/MainWindow.h"

using BPrivate::Display;

int
main(int argc, char** argv)
{
	if (argc != 5 || strlen(argv[1]) > 1023)
		return 2;
	// The arguments are the probe's own, not files to open.
	BApplication::SetLaunchFiles(0, nullptr);
	HeadlessDisplay display;
	// Answers every alert with its rightmost button, as a problem.
	TestUser user(display);
	Display::SetCurrent(&display);
	{
		VFApp app;
		strcpy(app.encoderLocation, argv[1]);
		app.dontCloseOnAdd = strcmp(argv[2], "1") == 0;
		app.dontClearOnOpen = strcmp(argv[3], "1") == 0;
		app.selfRegisterMimeType = strcmp(argv[4], "1") == 0;

		// Built in this thread, which holds its lock, as the application
		// builds it; it never runs.
		MainWindow* window = new MainWindow(nullptr);
		if (window->QuitRequested())
			printf("agreed\n");
		fflush(stdout);
		window->Quit();
		app.Run();
	}
	for (const std::string& problem : user.TakeProblems())
		printf("%s\n", problem.c_str());
	Display::SetCurrent(nullptr);
	return 0;
}
