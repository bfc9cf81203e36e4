#include <MessageRunner.h>

#include <gtest/gtest.h>
#include <memory>

#include <Looper.h>
#include <Message.h>

#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include <LooperList.h>

using BPrivate::LooperList;

TEST(MessageRunner, SendsItsCopiesAndNothingOnceDeleted)
{
	auto log = std::make_shared<MessageLog>();
	RecordingLooper* looper = new RecordingLooper(log);
	looper->Run();
	BMessage tick('TICK');
	tick.AddInt32("kept", 7);

	{
		BMessageRunner counted(BMessenger(looper), &tick, 1000, 3);
		ASSERT_EQ(counted.InitCheck(), B_OK);
		ASSERT_TRUE(log->WaitForCount(3));
	}
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	ASSERT_EQ(log->Count(), 3u) << "a count of 3 sends 3";
	int32 kept = 0;
	EXPECT_EQ(log->Messages()[2].FindInt32("kept", &kept), B_OK);
	EXPECT_EQ(kept, 7);

	auto endless = std::make_unique<BMessageRunner>(BMessenger(looper), &tick, 1000);
	ASSERT_TRUE(log->WaitForCount(5));
	endless.reset();
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	size_t stopped = log->Count();
	// A runner at the same pace marks the time in which the deleted one
	// would have sent as many.
	BMessage mark('MARK');
	{
		BMessageRunner marker(BMessenger(looper), &mark, 1000, 5);
		ASSERT_TRUE(log->WaitForCount(stopped + 5));
	}
	ASSERT_TRUE(LooperList::WaitForIdle(MessageLog::kTimeout));
	EXPECT_EQ(log->Count(), stopped + 5) << log->Codes();
	EXPECT_EQ(log->Messages().back().what, (uint32)'MARK');

	EXPECT_EQ(BMessageRunner(BMessenger(), &tick, 1000).InitCheck(), B_BAD_VALUE);
	EXPECT_EQ(BMessageRunner(BMessenger(looper), nullptr, 1000).InitCheck(), B_BAD_VALUE);
	EXPECT_EQ(BMessageRunner(BMessenger(looper), &tick, 0).InitCheck(), B_BAD_VALUE);

	ASSERT_TRUE(looper->Lock());
	looper->Quit();
}
