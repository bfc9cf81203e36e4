// OpenWindows: the windows still alive when a test or a benchmark ends.
#ifndef OPEN_WINDOWS_H
#define OPEN_WINDOWS_H

class OpenWindows {
public:
	// Asks every window still there to quit. Each looper is locked before
	// it is looked at: a window that quit by itself may be going away
	// meanwhile (a test sees the end of its own part, not of the looper's),
	// and only a locked looper is sure to stay.
	static void QuitAll();
};

#endif // OPEN_WINDOWS_H
