#include "Watchdog.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(bigtime_t timeout)
{
	fThread = std::thread([this, timeout] {
		// Signals sent to the process are for the test's threads: under
		// ThreadSanitizer one caught here would only be handled when this
		// thread wakes up.
		sigset_t all;
		sigfillset(&all);
		pthread_sigmask(SIG_BLOCK, &all, nullptr);
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
