#include <Looper.h>

#include <atomic>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

#include <Message.h>
#include <Messenger.h>

#include "tests/support/CountingHandler.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include <LooperList.h>

using BPrivate::LooperList;

namespace {

const uint32 kPing = 'PING';
const uint32 kQuitNow = 'QNOW';

// Starts a recording looper, quits it at the end of the test.
class LooperTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		fLog = std::make_shared<MessageLog>();
	}

	void
	TearDown() override
	{
		if (fLooper != nullptr && LooperList::Lock(fLooper))
			fLooper->Quit();
		EXPECT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	}

	RecordingLooper*
	Start(RecordingLooper::Action action = nullptr)
	{
		fLooper = new RecordingLooper(fLog, std::move(action));
		fLooper->Run();
		return fLooper;
	}

	std::shared_ptr<MessageLog> fLog;
	RecordingLooper* fLooper = nullptr;
};

BMessage
Numbered(int32 sender, int32 index)
{
	BMessage message(kPing);
	message.AddInt32("sender", sender);
	message.AddInt32("index", index);
	return message;
}

} // namespace

TEST_F(LooperTest, HandlesMessagesInOrderInItsOwnThread)
{
	std::vector<thread_id> threads;
	RecordingLooper* looper = Start([&](RecordingLooper* self, BMessage* message) {
		threads.push_back(find_thread(nullptr));
		EXPECT_TRUE(self->IsLocked());
		EXPECT_EQ(self->CurrentMessage(), message);
		EXPECT_EQ(BLooper::LooperForThread(find_thread(nullptr)), self);
	});
	for (int32 i = 0; i < 100; i++) {
		BMessage message = Numbered(0, i);
		ASSERT_EQ(looper->PostMessage(&message), B_OK);
	}
	ASSERT_TRUE(fLog->WaitForCount(100));
	std::vector<BMessage> messages = fLog->Messages();
	for (int32 i = 0; i < 100; i++) {
		int32 index = -1;
		messages[i].FindInt32("index", &index);
		EXPECT_EQ(index, i);
	}
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	for (thread_id thread : threads)
		EXPECT_EQ(thread, looper->Thread());
	EXPECT_NE(looper->Thread(), find_thread(nullptr));
}

TEST_F(LooperTest, PostMessageCopiesTheMessage)
{
	RecordingLooper* looper = Start();
	BMessage message(kPing);
	message.AddString("text", "posted");
	ASSERT_EQ(looper->PostMessage(&message), B_OK);
	message.AddString("text", "changed afterwards");
	message.what = 'LATE';
	ASSERT_TRUE(fLog->WaitForCount(1));
	BMessage received = fLog->Messages()[0];
	EXPECT_EQ(received.what, kPing);
	int32 count = 0;
	received.GetInfo("text", nullptr, &count);
	EXPECT_EQ(count, 1);
}

TEST_F(LooperTest, KeepsEachSendersOrderWhenManyThreadsPost)
{
	RecordingLooper* looper = Start();
	const int32 kSenders = 8;
	const int32 kEach = 200;
	std::vector<std::thread> senders;
	for (int32 sender = 0; sender < kSenders; sender++) {
		senders.emplace_back([=] {
			for (int32 i = 0; i < kEach; i++) {
				BMessage message = Numbered(sender, i);
				EXPECT_EQ(looper->PostMessage(&message), B_OK);
			}
		});
	}
	for (std::thread& sender : senders)
		sender.join();
	ASSERT_TRUE(fLog->WaitForCount(kSenders * kEach));
	std::vector<int32> next(kSenders, 0);
	for (const BMessage& message : fLog->Messages()) {
		int32 sender = -1;
		int32 index = -1;
		message.FindInt32("sender", &sender);
		message.FindInt32("index", &index);
		ASSERT_GE(sender, 0);
		EXPECT_EQ(index, next[sender]) << "sender " << sender;
		next[sender] = index + 1;
	}
	EXPECT_EQ(fLog->Count(), (size_t)(kSenders * kEach));
}

TEST(Looper, IsBornLockedByItsBuilderAndRunReleasesTheLock)
{
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	EXPECT_TRUE(looper->IsLocked());
	EXPECT_EQ(looper->CountLocks(), 1);
	EXPECT_EQ(looper->Thread(), 0);
	std::async(std::launch::async, [&] { EXPECT_FALSE(looper->IsLocked()); }).get();

	// Posted before Run(): handled once it runs.
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	thread_id thread = looper->Run();
	EXPECT_GT(thread, 0);
	EXPECT_EQ(looper->Thread(), thread);
	EXPECT_FALSE(looper->IsLocked());
	EXPECT_EQ(looper->Run(), B_ERROR) << "a looper runs once";
	ASSERT_TRUE(log->WaitForCount(1));
	ASSERT_TRUE(looper->Lock());
	looper->Quit();
	EXPECT_TRUE(log->IsDeleted());
}

TEST_F(LooperTest, LocksNestAndBelongToTheThreadThatTookThem)
{
	RecordingLooper* looper = Start();
	ASSERT_TRUE(looper->Lock());
	ASSERT_TRUE(looper->Lock());
	EXPECT_EQ(looper->CountLocks(), 2);
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);

	// Another thread neither owns the lock nor can release it.
	std::async(std::launch::async, [&] {
		EXPECT_FALSE(looper->IsLocked());
		looper->Unlock();
	}).get();
	EXPECT_EQ(looper->CountLocks(), 2);

	// While this thread holds the lock the looper cannot handle the message.
	EXPECT_FALSE(LooperList::WaitForIdle(50000));
	EXPECT_EQ(fLog->Count(), 0u);
	looper->Unlock();
	EXPECT_TRUE(looper->IsLocked());
	EXPECT_FALSE(LooperList::WaitForIdle(50000));
	looper->Unlock();
	EXPECT_FALSE(looper->IsLocked());
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fLog->Count(), 1u);
}

TEST_F(LooperTest, QuitFromItsOwnThreadDropsTheQueueAndDeletesIt)
{
	std::promise<void> release;
	std::shared_future<void> released = release.get_future().share();
	RecordingLooper* looper = Start([&](RecordingLooper* self, BMessage* message) {
		if (message->what == kQuitNow) {
			// Hold the looper here until the rest of the queue is posted.
			released.wait();
			self->Quit();
		}
	});
	ASSERT_EQ(looper->PostMessage(kQuitNow), B_OK);
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	release.set_value();
	ASSERT_TRUE(fLog->WaitForDeleted());
	EXPECT_EQ(fLog->Codes(), "QNOW");

	// The pointer is stale now: locking it fails without touching it.
	EXPECT_FALSE(LooperList::Lock(looper));
	fLooper = nullptr;
}

TEST_F(LooperTest, QuitFromAnotherThreadHandlesTheQueueFirstAndWaits)
{
	std::atomic<int> quitRequests = 0;
	class Refusing : public RecordingLooper {
	public:
		Refusing(std::shared_ptr<MessageLog> log, std::atomic<int>& requests)
		    : RecordingLooper(std::move(log)), fRequests(requests)
		{
		}

		bool
		QuitRequested() override
		{
			fRequests++;
			return false;
		}

	private:
		std::atomic<int>& fRequests;
	};
	BLooper* looper = new Refusing(fLog, quitRequests);
	looper->Run();
	ASSERT_TRUE(looper->Lock());
	for (int32 i = 0; i < 20; i++)
		ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	looper->Quit();
	// Quit() returned: every message was handled and the looper deleted.
	EXPECT_TRUE(fLog->IsDeleted());
	EXPECT_EQ(fLog->Count(), 20u);
	EXPECT_EQ(quitRequests, 0) << "Quit() does not ask QuitRequested()";
	EXPECT_FALSE(LooperList::Lock(looper));
}

TEST_F(LooperTest, QuitRequestedDecidesWhetherAQuitRequestEndsIt)
{
	class Deciding : public RecordingLooper {
	public:
		using RecordingLooper::RecordingLooper;
		bool
		QuitRequested() override
		{
			return fAgree;
		}
		std::atomic<bool> fAgree = false;
	};
	Deciding* looper = new Deciding(fLog);
	looper->Run();
	fLooper = looper;

	ASSERT_EQ(looper->PostMessage(B_QUIT_REQUESTED), B_OK);
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	ASSERT_TRUE(fLog->WaitForCount(1));
	EXPECT_FALSE(fLog->IsDeleted());
	EXPECT_EQ(fLog->Codes(), "PING") << "B_QUIT_REQUESTED goes to QuitRequested()";

	looper->fAgree = true;
	ASSERT_EQ(looper->PostMessage(B_QUIT_REQUESTED), B_OK);
	ASSERT_TRUE(fLog->WaitForDeleted());
	fLooper = nullptr;
}

TEST_F(LooperTest, ALockWaitingWhileTheLooperQuitsFails)
{
	std::promise<void> release;
	std::shared_future<void> released = release.get_future().share();
	RecordingLooper* looper = Start([&](RecordingLooper* self, BMessage*) {
		released.wait();
		self->Quit();
	});
	ASSERT_EQ(looper->PostMessage(kQuitNow), B_OK);
	ASSERT_TRUE(fLog->WaitForCount(1));
	// The looper's thread holds the lock until it is gone.
	auto locker = std::async(std::launch::async, [&] { return LooperList::Lock(looper); });
	release.set_value();
	EXPECT_FALSE(locker.get());
	EXPECT_TRUE(fLog->WaitForDeleted());
	fLooper = nullptr;
}

TEST(Looper, ANeverRunLooperIsDeletedByQuit)
{
	auto log = std::make_shared<MessageLog>();
	BLooper* looper = new RecordingLooper(log);
	ASSERT_EQ(looper->PostMessage(kPing), B_OK);
	looper->Quit();
	EXPECT_TRUE(log->IsDeleted());
	EXPECT_EQ(log->Count(), 0u);
	EXPECT_FALSE(LooperList::Lock(looper));
}

TEST_F(LooperTest, MessagesReachTheirHandlerOnlyWhileItBelongsToTheLooper)
{
	RecordingLooper* looper = Start();
	CountingHandler handler(kPing);
	CountingHandler stranger(kPing);
	ASSERT_TRUE(looper->Lock());
	looper->AddHandler(&handler);
	handler.SetNextHandler(nullptr);
	looper->Unlock();
	EXPECT_EQ(handler.Looper(), looper);

	BMessage ping(kPing);
	EXPECT_EQ(looper->PostMessage(&ping, &stranger), B_MISMATCHED_VALUES);
	ASSERT_EQ(looper->PostMessage(&ping, &handler), B_OK);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(handler.Count(), 1);
	EXPECT_EQ(fLog->Count(), 0u) << "the looper itself did not see it";

	// Posted while the handler belongs to the looper, delivered after it
	// left: dropped.
	ASSERT_TRUE(looper->Lock());
	ASSERT_EQ(looper->PostMessage(&ping, &handler), B_OK);
	EXPECT_TRUE(looper->RemoveHandler(&handler));
	EXPECT_FALSE(looper->RemoveHandler(&handler));
	looper->Unlock();
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(handler.Count(), 1);
	EXPECT_EQ(handler.Looper(), nullptr);
}

TEST_F(LooperTest, AnAddedHandlerPassesWhatItLeavesToTheLooper)
{
	RecordingLooper* looper = Start();
	CountingHandler handler(kPing);
	ASSERT_TRUE(looper->Lock());
	looper->AddHandler(&handler);
	EXPECT_EQ(handler.NextHandler(), looper);
	BMessage ping(kPing);
	ASSERT_EQ(looper->PostMessage(&ping, &handler), B_OK);
	looper->Unlock();
	ASSERT_TRUE(fLog->WaitForCount(1));
	EXPECT_EQ(handler.Count(), 1);
	ASSERT_TRUE(looper->Lock());
	looper->RemoveHandler(&handler);
	looper->Unlock();
}

TEST(LooperList, WaitForIdleAlsoWaitsForTheProbe)
{
	std::atomic<bool> busy = true;
	LooperList::SetIdleProbe([&] { return busy.load(); });
	EXPECT_FALSE(LooperList::WaitForIdle(20000));
	std::thread worker([&] {
		busy = false;
		LooperList::NoteActivity();
	});
	EXPECT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	worker.join();

	// What the probe's owner posted just before it reports nothing pending
	// (a display passing on input) is waited for too.
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	looper->Run();
	for (size_t round = 1; round <= 10; round++) {
		bool post = true;
		LooperList::SetIdleProbe([&] {
			if (post)
				looper->PostMessage(kPing);
			post = false;
			return false;
		});
		EXPECT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
		EXPECT_EQ(log->Count(), round);
	}
	LooperList::SetIdleProbe(nullptr);
	ASSERT_TRUE(looper->Lock());
	looper->Quit();
}
