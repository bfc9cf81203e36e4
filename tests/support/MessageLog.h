// MessageLog: copies of the messages a looper handled, in order, for a test
// to wait on and read from any thread. It outlives the looper that fills it,
// so it also tells when that looper has been deleted.
#ifndef MESSAGE_LOG_H
#define MESSAGE_LOG_H

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include <Message.h>

class MessageLog {
public:
	// The bound on every wait of a test: long enough for a loaded machine,
	// short enough to fail instead of hanging.
	static constexpr bigtime_t kTimeout = 10000000;

	void Add(const BMessage& message);
	void MarkDeleted();

	// False when the timeout runs out first.
	bool WaitForCount(size_t count, bigtime_t timeout = kTimeout) const;
	bool WaitForDeleted(bigtime_t timeout = kTimeout) const;

	size_t Count() const;
	std::vector<BMessage> Messages() const;
	bool IsDeleted() const;
	// The codes as text ("_QRQ BRAQ"), for failure output.
	std::string Codes() const;

private:
	mutable std::mutex fLock;
	mutable std::condition_variable fChanged;
	std::vector<BMessage> fMessages;
	bool fDeleted = false;
};

// A four-character code as text, for failure output.
std::string code_string(uint32 code);

#endif // MESSAGE_LOG_H
