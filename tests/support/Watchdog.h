// Watchdog: for a test that blocks its own thread (an application's Run()),
// ends the test process with a message when the bound runs out, so that the
// test fails instead of hanging. Deleting it in time disarms it.
#ifndef WATCHDOG_H
#define WATCHDOG_H

#include <condition_variable>
#include <mutex>
#include <thread>

#include <SupportDefs.h>

class Watchdog {
public:
	explicit Watchdog(bigtime_t timeout);
	~Watchdog();

private:
	std::mutex fLock;
	std::condition_variable fDisarmed;
	bool fDone = false;
	std::thread fThread;
};

#endif // WATCHDOG_H
