// Builds the application object, as the program does, and runs its settings
// store on its own executable file:
//   settings_probe                 ReadOptions, then print the settings
//   settings_probe write L A B C N set the encoder location L, the
//                                  switches A B C (0 or 1) and the number
//                                  of encoders N, WriteOptions; exits with
//                                  1 when they were not stored
//   settings_probe orphan          remove its own file, then ReadOptions,
//                                  print, and WriteOptions
// Each setting is printed on a line of its own: the encoder location in
// hexadecimal (any byte survives), then the three switches as 0 or 1, then
// the number of encoders.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "app/VFApp.h"

static void
Print(const VFApp& app)
{
	for (const char* c = app.encoderLocation; *c != '\0'; c++)
		printf("%02x", (unsigned char)*c);
	printf("\n%d\n%d\n%d\n%d\n", app.dontCloseOnAdd, app.dontClearOnOpen, app.selfRegisterMimeType,
	       (int)app.parallelEncoders);
}

int
main(int argc, char** argv)
{
	// The arguments are the probe's own, not files to open.
	BApplication::SetLaunchFiles(0, nullptr);
	VFApp app;
	if (argc == 7 && strcmp(argv[1], "write") == 0) {
		strcpy(app.encoderLocation, argv[2]);
		app.dontCloseOnAdd = strcmp(argv[3], "1") == 0;
		app.dontClearOnOpen = strcmp(argv[4], "1") == 0;
		app.selfRegisterMimeType = strcmp(argv[5], "1") == 0;
		app.parallelEncoders = atoi(argv[6]);
		return app.WriteOptions() == B_OK ? 0 : 1;
	}
	bool orphan = argc == 2 && strcmp(argv[1], "orphan") == 0;
	if (argc != 1 && !orphan)
		return 2;
	if (orphan) {
		char self[PATH_MAX];
		ssize_t length = readlink("/proc/self/exe", self, sizeof(self) - 1);
		if (length < 0)
			return 3;
		self[length] = '\0';
		unlink(self);
	}
	app.ReadOptions();
	Print(app);
	if (orphan)
		app.WriteOptions();
	return 0;
}
