// Polling: waits for a condition that no message announces (an encoder
// that ends outside every message loop, a window that goes away) by
// checking it again every few milliseconds, within a bound.
#ifndef POLLING_H
#define POLLING_H

#include <functional>

#include <OS.h>

class Polling {
public:
	// True once done() is; false when the timeout (microseconds) runs out
	// first.
	static bool WaitUntil(const std::function<bool()>& done, bigtime_t timeout);
};

#endif // POLLING_H
