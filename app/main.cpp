#include <cstdio>
#include <string>

#include "FltkDriver.h"
#include "VFApp.h"

int
main()
{
	std::string error;
	if (!FltkDriver::Install(&error)) {
		fprintf(stderr, "%s\n", error.c_str());
		return 1;
	}
	VFApp app;
	app.Run();
	return 0;
}
