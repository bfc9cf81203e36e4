#include <Messenger.h>

#include <gtest/gtest.h>
#include <memory>
#include <new>

#include <Handler.h>
#include <Looper.h>
#include <Message.h>

#include "tests/support/CountingHandler.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include <LooperList.h>

using BPrivate::LooperList;

namespace {

const uint32 kPing = 'PING';

} // namespace

TEST(Messenger, SendsCopiesToALooperAndToAHandler)
{
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	CountingHandler handler(kPing);
	looper->AddHandler(&handler);
	handler.SetNextHandler(nullptr);
	looper->Run();

	status_t status = B_ERROR;
	BMessenger toLooper(nullptr, looper, &status);
	EXPECT_EQ(status, B_OK);
	BMessenger toHandler(&handler, nullptr, &status);
	EXPECT_EQ(status, B_OK);
	EXPECT_TRUE(toLooper.IsValid());
	EXPECT_TRUE(toHandler.IsValid());
	EXPECT_NE(toLooper, toHandler);
	EXPECT_EQ(toLooper, BMessenger(looper));
	BLooper* target = nullptr;
	EXPECT_EQ(toHandler.Target(&target), &handler);
	EXPECT_EQ(target, looper);

	BMessage message(kPing);
	message.AddString("text", "kept");
	ASSERT_EQ(toLooper.SendMessage(&message), B_OK);
	message.MakeEmpty();
	ASSERT_EQ(toHandler.SendMessage(kPing), B_OK);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	ASSERT_EQ(log->Count(), 1u);
	EXPECT_TRUE(log->Messages()[0].HasString("text"));
	EXPECT_EQ(handler.Count(), 1);

	ASSERT_TRUE(looper->Lock());
	looper->RemoveHandler(&handler);
	looper->Quit();
}

TEST(Messenger, FailsCleanlyOnceItsLooperIsGone)
{
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	looper->Run();
	BMessenger messenger(looper);
	ASSERT_TRUE(messenger.IsValid());
	ASSERT_TRUE(looper->Lock());
	looper->Quit();

	EXPECT_FALSE(messenger.IsValid());
	EXPECT_EQ(messenger.SendMessage(kPing), B_BAD_VALUE);
	BLooper* target = looper;
	EXPECT_EQ(messenger.Target(&target), nullptr);
	EXPECT_EQ(target, nullptr);
	EXPECT_EQ(log->Count(), 0u);
}

// Messengers and queued messages once kept the handler's address: a handler
// built where a deleted one was got the messages meant for the old one.
TEST(Messenger, ReachesNothingOnceItsHandlerIsGoneEvenANewOneAtTheSameAddress)
{
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	looper->Run();
	alignas(CountingHandler) unsigned char place[sizeof(CountingHandler)];
	CountingHandler* old = new (place) CountingHandler(kPing);
	ASSERT_TRUE(looper->Lock());
	looper->AddHandler(old);
	BMessenger messenger(old);
	BMessage ping(kPing);
	// Queued while the old handler lives, handled after it is gone.
	ASSERT_EQ(messenger.SendMessage(&ping), B_OK);
	ASSERT_EQ(looper->PostMessage(&ping, old), B_OK);
	old->~CountingHandler();
	CountingHandler* fresh = new (place) CountingHandler(kPing);
	looper->AddHandler(fresh);
	looper->Unlock();
	ASSERT_EQ((void*)fresh, (void*)old);

	EXPECT_EQ(messenger.SendMessage(&ping), B_OK) << "the looper still takes it";
	BLooper* target = nullptr;
	EXPECT_EQ(messenger.Target(&target), nullptr);
	EXPECT_EQ(target, looper);
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(fresh->Count(), 0);
	EXPECT_EQ(log->Count(), 0u) << log->Codes();
	EXPECT_NE(BMessenger(fresh), messenger);

	ASSERT_TRUE(looper->Lock());
	fresh->~CountingHandler();
	looper->Quit();
}

TEST(Messenger, RefusesTargetsItCannotReach)
{
	status_t status = B_OK;
	BMessenger empty;
	EXPECT_FALSE(empty.IsValid());
	EXPECT_EQ(empty.SendMessage(kPing), B_BAD_VALUE);

	CountingHandler loose(kPing);
	BMessenger toLoose(&loose, nullptr, &status);
	EXPECT_EQ(status, B_BAD_HANDLER);
	EXPECT_FALSE(toLoose.IsValid());

	BMessenger nothing(nullptr, nullptr, &status);
	EXPECT_EQ(status, B_BAD_VALUE);

	auto log = std::make_shared<MessageLog>();
	BLooper* first = new RecordingLooper(log);
	BLooper* second = new RecordingLooper(log);
	CountingHandler handler(kPing);
	first->AddHandler(&handler);
	BMessenger mismatched(&handler, second, &status);
	EXPECT_EQ(status, B_MISMATCHED_VALUES);
	EXPECT_FALSE(mismatched.IsValid());
	first->RemoveHandler(&handler);
	first->Quit();
	second->Quit();
}
