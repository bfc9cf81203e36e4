// What one message costs in the app kit: a BMessenger's SendMessage() to a
// handler of a running looper, through the looper's queue and lock to the
// handler's MessageReceived(). Two figures, each against the least any
// thread with a queue can pay, a bare queue (std::deque under one mutex
// with a condition variable) measured in the same run:
//
// - stream: one thread sends many messages; the time from the first send
//   to the last message handled, per message;
// - ping-pong: two loopers bounce one message between them; the time per
//   hop, a thread waking another each time.
//
// Each is given as time and as the process's processor time (every thread's
// together), which the machine's other load disturbs less. Nobody waits for
// idleness here, as in the running program.
//
// Usage: bench_message [messages] [repetitions]   (default 200000 and 7)
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

#include <Handler.h>
#include <Looper.h>
#include <Message.h>
#include <Messenger.h>

#include "Report.h"
#include "Samples.h"

using Clock = std::chrono::steady_clock;

static const uint32 kHop = 'HOP_';

// Time and processor time per item, from its start to Each().
class Stopwatch {
public:
	struct Cost {
		double time;
		double processor;
	};

	Stopwatch() : fStart(Clock::now()), fProcessorStart(_Processor()) {}

	Cost
	Each(int count) const
	{
		double time = std::chrono::duration<double, std::nano>(Clock::now() - fStart).count();
		return {time / count, (_Processor() - fProcessorStart) / count};
	}

private:
	static double
	_Processor()
	{
		timespec now;
		clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
		return now.tv_sec * 1e9 + now.tv_nsec;
	}

	Clock::time_point fStart;
	double fProcessorStart;
};

// Counts the messages it gets and forwards each to its peer, if it has
// one; the last of its share only when told to. Reports when it has seen
// its share.
class Bouncer : public BHandler {
public:
	explicit Bouncer(int expected) : fExpected(expected), fSeen(0), fForwardLast(false) {}

	// Before the first message.
	void
	SetPeer(const BMessenger& peer, bool forwardLast)
	{
		fPeer = peer;
		fForwardLast = forwardLast;
	}

	std::future<void>
	Finished()
	{
		return fFinished.get_future();
	}

	void
	MessageReceived(BMessage* message) override
	{
		if (message->what != kHop)
			return BHandler::MessageReceived(message);
		bool last = ++fSeen == fExpected;
		if (fPeer != BMessenger() && (!last || fForwardLast))
			fPeer.SendMessage(message);
		if (last)
			fFinished.set_value();
	}

private:
	const int fExpected;
	int fSeen;
	BMessenger fPeer;
	bool fForwardLast;
	std::promise<void> fFinished;
};

// A looper running one bouncer; quits at the end.
class Station {
public:
	explicit Station(int expected) : fLooper(new BLooper("station")), fBouncer(expected)
	{
		fLooper->AddHandler(&fBouncer);
		fLooper->Run();
	}

	~Station()
	{
		if (fLooper->Lock()) {
			fLooper->RemoveHandler(&fBouncer);
			fLooper->Quit();
		}
	}

	Bouncer&
	Handler()
	{
		return fBouncer;
	}

private:
	BLooper* fLooper;
	Bouncer fBouncer;
};

// The reference: a thread taking numbers from a queue.
class BareQueue {
public:
	void
	Push(int value)
	{
		{
			std::scoped_lock lock(fMutex);
			fQueue.push_back(value);
		}
		fChanged.notify_one();
	}

	int
	Pop()
	{
		std::unique_lock lock(fMutex);
		fChanged.wait(lock, [this] { return !fQueue.empty(); });
		int value = fQueue.front();
		fQueue.pop_front();
		return value;
	}

private:
	std::mutex fMutex;
	std::condition_variable fChanged;
	std::deque<int> fQueue;
};

static Stopwatch::Cost
StreamKits(int messages)
{
	Station station(messages);
	std::future<void> finished = station.Handler().Finished();
	BMessenger target(&station.Handler());
	BMessage message(kHop);
	Stopwatch stopwatch;
	for (int index = 0; index < messages; index++)
		target.SendMessage(&message);
	finished.wait();
	return stopwatch.Each(messages);
}

static Stopwatch::Cost
StreamBare(int messages)
{
	BareQueue queue;
	std::thread consumer([&] {
		for (int index = 0; index < messages; index++)
			queue.Pop();
	});
	Stopwatch stopwatch;
	for (int index = 0; index < messages; index++)
		queue.Push(index);
	consumer.join();
	return stopwatch.Each(messages);
}

static Stopwatch::Cost
PingPongKits(int hops)
{
	// The first station sees the odd hops, the second the even ones and
	// keeps the last.
	Station first(hops / 2);
	Station second(hops / 2);
	first.Handler().SetPeer(BMessenger(&second.Handler()), true);
	second.Handler().SetPeer(BMessenger(&first.Handler()), false);
	std::future<void> firstDone = first.Handler().Finished();
	std::future<void> secondDone = second.Handler().Finished();
	Stopwatch stopwatch;
	BMessenger(&first.Handler()).SendMessage(kHop);
	firstDone.wait();
	secondDone.wait();
	return stopwatch.Each(hops);
}

static Stopwatch::Cost
PingPongBare(int hops)
{
	BareQueue toFirst;
	BareQueue toSecond;
	auto station = [hops](BareQueue* in, BareQueue* out) {
		for (int index = 0; index < hops / 2; index++)
			out->Push(in->Pop());
	};
	std::thread first(station, &toFirst, &toSecond);
	std::thread second(station, &toSecond, &toFirst);
	Stopwatch stopwatch;
	toFirst.Push(0);
	first.join();
	second.join();
	return stopwatch.Each(hops);
}

int
main(int argc, char** argv)
{
	int messages = argc > 1 ? atoi(argv[1]) : 200000;
	int repetitions = argc > 2 ? atoi(argv[2]) : 7;
	int hops = messages / 10 * 2;
	if (messages < 10 || repetitions < 1) {
		fprintf(stderr, "usage: bench_message [messages >= 10] [repetitions >= 1]\n");
		return 2;
	}
	// Time and processor time of each figure, the kits' and the bare
	// queue's.
	struct Figure {
		const char* name;
		Stopwatch::Cost (*kits)(int);
		Stopwatch::Cost (*bare)(int);
		int count;
		Samples time[2];
		Samples processor[2];
	};
	Figure figures[] = {
	    {"stream, per message", StreamKits, StreamBare, messages, {}, {}},
	    {"ping-pong, per hop", PingPongKits, PingPongBare, hops, {}, {}},
	};
	// Alternating spreads the machine's other load over all of them.
	for (int round = 0; round < repetitions; round++) {
		for (Figure& figure : figures) {
			int index = 0;
			for (auto run : {figure.kits, figure.bare}) {
				Stopwatch::Cost cost = run(figure.count);
				figure.time[index].Add(cost.time);
				figure.processor[index].Add(cost.processor);
				index++;
			}
		}
	}
	Report report("Messages: " + std::to_string(messages) + " streamed, " + std::to_string(hops) +
	              " hops, median of " + std::to_string(repetitions) + "; reference: a bare queue");
	for (Figure& figure : figures) {
		report.Compared(std::string(figure.name) + ", time", "ns", figure.time[0].Median(),
		                figure.time[1].Median());
		report.Compared(std::string(figure.name) + ", processor", "ns",
		                figure.processor[0].Median(), figure.processor[1].Median());
	}
	return 0;
}
