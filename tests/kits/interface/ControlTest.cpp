#include <Button.h>
#include <CheckBox.h>
#include <Message.h>
#include <Messenger.h>
#include <TextControl.h>
#include <TextView.h>

#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingLooper.h"
#include "tests/support/RecordingWindow.h"

using BPrivate::kMsgControlValue;
using BPrivate::ViewState;

namespace {

const char* kTitle = "Controlli";

class Controls : public HeadlessFixture {
protected:
	void
	SetUp() override
	{
		HeadlessFixture::SetUp();
		window = new RecordingWindow(windowLog, kTitle);
	}

	std::shared_ptr<MessageLog> windowLog = std::make_shared<MessageLog>();
	RecordingWindow* window = nullptr;
};

} // namespace

TEST_F(Controls, ButtonWithoutTargetDeliversToItsWindow)
{
	BButton* button = new BButton(BRect(10, 10, 90, 34), "Ok", "OK", new BMessage('OKAY'));
	window->AddChild(button);
	window->Show();

	ASSERT_TRUE(user.Click(kTitle, "Ok"));
	ASSERT_EQ(windowLog->Count(), 1u) << windowLog->Codes();
	BMessage sent = windowLog->Messages()[0];
	EXPECT_EQ(sent.what, (uint32)'OKAY');
	void* source = nullptr;
	EXPECT_EQ(sent.FindPointer("source", &source), B_OK);
	EXPECT_EQ(source, static_cast<BControl*>(button));
	EXPECT_EQ(user.View(kTitle, "Ok").value, B_CONTROL_OFF);
}

TEST_F(Controls, ExplicitTargetInAnotherLooperGetsTheMessage)
{
	auto otherLog = std::make_shared<MessageLog>();
	RecordingLooper* other = new RecordingLooper(otherLog);
	other->Run();
	BButton* button = new BButton(BRect(10, 10, 90, 34), "Skip", "Salta", new BMessage('SKIP'));
	EXPECT_EQ(button->SetTarget(other), B_OK);
	window->AddChild(button);
	window->Show();

	ASSERT_TRUE(user.Click(kTitle, "Skip"));
	ASSERT_EQ(otherLog->Count(), 1u);
	EXPECT_EQ(otherLog->Messages()[0].what, (uint32)'SKIP');
	EXPECT_EQ(windowLog->Count(), 0u) << windowLog->Codes();

	ASSERT_TRUE(other->Lock());
	other->Quit();
}

TEST_F(Controls, SetTargetGivesTheBeOSResults)
{
	auto otherLog = std::make_shared<MessageLog>();
	RecordingLooper* other = new RecordingLooper(otherLog);
	BButton button(BRect(0, 0, 10, 10), "b", "b", new BMessage('BTTN'));
	BView loose(BRect(0, 0, 10, 10), "loose", 0, 0);

	EXPECT_EQ(button.SetTarget(&loose), B_BAD_VALUE);
	EXPECT_FALSE(button.Messenger().IsValid());
	EXPECT_EQ(button.SetTarget(window, other), B_MISMATCHED_VALUES);
	EXPECT_FALSE(button.Messenger().IsValid());
	EXPECT_EQ(button.SetTarget(nullptr, other), B_OK);
	BLooper* looper = nullptr;
	button.Target(&looper);
	EXPECT_EQ(looper, other);
	EXPECT_EQ(button.SetTarget(window, window), B_OK);
	EXPECT_EQ(button.Target(nullptr), window);
	EXPECT_EQ(button.SetTarget(nullptr, nullptr), B_OK);
	EXPECT_FALSE(button.Messenger().IsValid());

	other->Lock();
	other->Quit();
}

TEST_F(Controls, CheckBoxToggleSetsTheValueBeforeInvoking)
{
	BCheckBox* box =
	    new BCheckBox(BRect(10, 10, 200, 30), "Auto", "Auto installa", new BMessage('SRMT'));
	window->AddChild(box);
	std::vector<int32> seen;
	window->SetAction([&](BMessage*) { seen.push_back(box->Value()); });
	window->Show();

	ASSERT_TRUE(user.Click(kTitle, "Auto"));
	ASSERT_TRUE(user.Click(kTitle, "Auto"));
	EXPECT_EQ(seen, (std::vector<int32>{B_CONTROL_ON, B_CONTROL_OFF}));
	int32 sentValue = -1;
	windowLog->Messages()[0].FindInt32("be:value", &sentValue);
	EXPECT_EQ(sentValue, B_CONTROL_ON);
	EXPECT_EQ(user.View(kTitle, "Auto").value, B_CONTROL_OFF);
}

TEST_F(Controls, SetValueAndSetEnabledNeverInvoke)
{
	BCheckBox* box = new BCheckBox(BRect(10, 10, 200, 30), "Box", "Box", new BMessage('DCOA'));
	window->AddChild(box);
	window->Show();

	ASSERT_TRUE(window->Lock());
	box->SetValue(B_CONTROL_ON);
	box->SetEnabled(false);
	window->Unlock();

	ViewState shown = user.View(kTitle, "Box");
	EXPECT_EQ(shown.value, B_CONTROL_ON);
	EXPECT_FALSE(shown.enabled);
	EXPECT_EQ(windowLog->Count(), 0u) << windowLog->Codes();
}

TEST_F(Controls, DisabledControlsTakeNoInput)
{
	BButton* button = new BButton(BRect(10, 10, 90, 34), "Ok", "OK", new BMessage('OKAY'));
	button->SetEnabled(false);
	window->AddChild(button);
	window->Show();

	user.WaitIdle();
	EXPECT_NE(user.Refusal([&] { user.Click(kTitle, "Ok"); }), "");

	// Input that was on its way when the control was disabled is dropped
	// by the control itself.
	BMessage late(kMsgControlValue);
	late.AddInt32("be:view", user.View(kTitle, "Ok").token);
	late.AddInt32("be:value", B_CONTROL_ON);
	BMessenger(window).SendMessage(&late);
	user.WaitIdle();
	EXPECT_EQ(windowLog->Count(), 0u) << windowLog->Codes();
}

TEST_F(Controls, TextControlSendsItsModificationMessageOnEveryChange)
{
	BTextControl* field =
	    new BTextControl(BRect(0, 1, 300, 2), "EncoderLocation", "Posizione:", "", nullptr);
	field->SetModificationMessage(new BMessage('LOCM'));
	window->AddChild(field);
	window->Show();

	// Two typed characters, one text set by the program, one pasted.
	ASSERT_TRUE(user.Type(kTitle, "EncoderLocation", "/b"));
	EXPECT_EQ(windowLog->Count(), 2u) << windowLog->Codes();
	ASSERT_TRUE(window->Lock());
	field->SetText("/usr/bin/oggenc");
	window->Unlock();
	ASSERT_TRUE(user.WaitIdle());
	EXPECT_EQ(windowLog->Count(), 3u) << windowLog->Codes();
	ASSERT_TRUE(user.SetText(kTitle, "EncoderLocation", "/opt/oggenc"));
	ASSERT_EQ(windowLog->Count(), 4u) << windowLog->Codes();
	for (const BMessage& sent : windowLog->Messages())
		EXPECT_EQ(sent.what, (uint32)'LOCM');
	EXPECT_EQ(user.View(kTitle, "EncoderLocation").text, "/opt/oggenc");
	EXPECT_EQ(user.View(kTitle, "_input_").text, "/opt/oggenc");
}

TEST_F(Controls, TextLimitCountsBytesTypedOrSet)
{
	BTextControl* field =
	    new BTextControl(BRect(0, 0, 300, 1), "ExtraParam", "Altri:", "", nullptr);
	field->TextView()->SetMaxBytes(4);
	field->SetModificationMessage(new BMessage('XTRA'));
	window->AddChild(field);
	window->Show();

	// "è" is two bytes: after "abc" it no longer fits.
	ASSERT_TRUE(user.Type(kTitle, "ExtraParam", "abcèd"));
	EXPECT_EQ(user.View(kTitle, "ExtraParam").text, "abcd");
	EXPECT_EQ(windowLog->Count(), 4u) << windowLog->Codes();

	ASSERT_TRUE(user.SetText(kTitle, "ExtraParam", "aèèè"));
	EXPECT_EQ(user.View(kTitle, "ExtraParam").text, "aè");

	ASSERT_TRUE(window->Lock());
	field->SetText("xyzèw");
	EXPECT_STREQ(field->Text(), "xyz");
	field->TextView()->SetMaxBytes(2);
	EXPECT_STREQ(field->Text(), "xy");
	window->Unlock();
	EXPECT_EQ(user.View(kTitle, "_input_").maxBytes, 2);
}
