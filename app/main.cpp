#include <cstdio>
#include <string>

#include "FltkDriver.h"
#include "VFApp.h"
#include "resources/WindowIcons.h"

int
main()
{
	std::string error;
	// The class as the desktop entries name it (StartupWMClass).
	if (!FltkDriver::Install(&error, {"VorlixOggVorbisFrontend", WindowIcons::Pixels()})) {
		fprintf(stderr, "%s\n", error.c_str());
		return 1;
	}
	{
		VFApp app;
		app.Run();
	}
	// Once the application is gone: a screen lost while it ended counts too.
	return FltkDriver::Close() ? 0 : 1;
}
