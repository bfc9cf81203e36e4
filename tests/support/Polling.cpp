#include "Polling.h"

#include <chrono>
#include <thread>

bool
Polling::WaitUntil(const std::function<bool()>& done, bigtime_t timeout)
{
	auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(timeout);
	while (!done()) {
		if (std::chrono::steady_clock::now() > deadline)
			return false;
		std::this_thread::sleep_for(std::chrono::milliseconds(2));
	}
	return true;
}
