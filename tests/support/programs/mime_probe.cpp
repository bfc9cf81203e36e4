// Builds the application object, as the program does, and installs the list
// files' MIME type silently, with the icons of its own executable file.
#include "app/VFApp.h"

int
main()
{
	BApplication::SetLaunchFiles(0, nullptr);
	VFApp app;
	app.RegisterMIMEType(false);
	return 0;
}
