#include "Watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(bigtime_t timeout)
{
	fThread = std::thread([this, timeout] {
		std::unique_lock lock(fLock);
		if (!fDisarmed.wait_for(lock, std::chrono::microseconds(timeout),
		                        [this] { return fDone; })) {
			fprintf(stderr, "Watchdog: the test did not finish in %lld ms\n",
			        (long long)(timeout / 1000));
			abort();
		}
	});
}

Watchdog::~Watchdog()
{
	{
		std::scoped_lock lock(fLock);
		fDone = true;
	}
	fDisarmed.notify_all();
	fThread.join();
}
