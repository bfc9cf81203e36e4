// CountingHandler: a handler for tests that counts the messages of one code
// it receives and hands every message on along the handler chain.
#ifndef COUNTING_HANDLER_H
#define COUNTING_HANDLER_H

#include <atomic>

#include <Handler.h>

class CountingHandler : public BHandler {
public:
	explicit CountingHandler(uint32 what);

	void MessageReceived(BMessage* message) override;
	int Count() const;

private:
	const uint32 fWhat;
	std::atomic<int> fCount;
};

#endif // COUNTING_HANDLER_H
