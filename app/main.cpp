#include "VFApp.h"

int
main()
{
	VFApp app;
	app.Run();
	return 0;
}
