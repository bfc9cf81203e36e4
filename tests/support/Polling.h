// Polling: waits for a condition that no message announces (an encoder
// that ends outside every message loop, a window that goes away) by
// checking it again every few milliseconds, within a bound.
#ifndef POLLING_H
#define POLLING_H

#include <functional>
#include <sys/types.h>

#include <OS.h>

class Polling {
public:
	// True once done() is; false when the timeout (microseconds) runs out
	// first.
	static bool WaitUntil(const std::function<bool()>& done, bigtime_t timeout);
	// True once the process has ended, whoever's child it is (an orphan
	// that nobody reaps counts as ended), or when it is already gone.
	static bool WaitForProcessEnd(pid_t pid, bigtime_t timeout);
};

#endif // POLLING_H
