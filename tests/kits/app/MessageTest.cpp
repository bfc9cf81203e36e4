#include <Message.h>

#include <gtest/gtest.h>
#include <string>

#include <String.h>

TEST(Message, FieldsKeepTheirValuesByNameAndIndex)
{
	BMessage message('TEST');
	entry_ref ref(3, 42, "file name");
	int marker = 0;
	ASSERT_EQ(message.AddString("text", "first"), B_OK);
	ASSERT_EQ(message.AddString("text", BString("second")), B_OK);
	ASSERT_EQ(message.AddBool("flag", true), B_OK);
	ASSERT_EQ(message.AddInt32("number", -7), B_OK);
	ASSERT_EQ(message.AddInt64("big", 1LL << 40), B_OK);
	ASSERT_EQ(message.AddRef("refs", &ref), B_OK);
	ASSERT_EQ(message.AddPointer("source", &marker), B_OK);
	// Bytes keep their zeros.
	ASSERT_EQ(message.AddData("bytes", B_RAW_TYPE, "a\0b", 3), B_OK);

	const char* text = nullptr;
	EXPECT_EQ(message.FindString("text", &text), B_OK);
	EXPECT_STREQ(text, "first");
	BString string;
	EXPECT_EQ(message.FindString("text", 1, &string), B_OK);
	EXPECT_EQ(string, "second");
	bool flag = false;
	EXPECT_EQ(message.FindBool("flag", &flag), B_OK);
	EXPECT_TRUE(flag);
	int32 number = 0;
	EXPECT_EQ(message.FindInt32("number", &number), B_OK);
	EXPECT_EQ(number, -7);
	int64 big = 0;
	EXPECT_EQ(message.FindInt64("big", &big), B_OK);
	EXPECT_EQ(big, 1LL << 40);
	entry_ref found;
	EXPECT_EQ(message.FindRef("refs", &found), B_OK);
	EXPECT_EQ(found, ref);
	EXPECT_STREQ(found.name, "file name");
	void* pointer = nullptr;
	EXPECT_EQ(message.FindPointer("source", &pointer), B_OK);
	EXPECT_EQ(pointer, &marker);
	const void* data = nullptr;
	ssize_t size = 0;
	EXPECT_EQ(message.FindData("bytes", B_RAW_TYPE, &data, &size), B_OK);
	EXPECT_EQ(std::string(static_cast<const char*>(data), size), std::string("a\0b", 3));
	EXPECT_EQ(message.FindData("bytes", 'OTHR', &data, &size), B_BAD_TYPE);

	type_code type = 0;
	int32 count = 0;
	EXPECT_EQ(message.GetInfo("text", &type, &count), B_OK);
	EXPECT_EQ(type, (type_code)B_STRING_TYPE);
	EXPECT_EQ(count, 2);
	EXPECT_EQ(message.CountNames(), 7);
	EXPECT_EQ(message.CountNames(B_STRING_TYPE), 1);
	EXPECT_TRUE(message.HasString("text", 1));
	EXPECT_FALSE(message.HasString("text", 2));
	EXPECT_TRUE(message.HasRef("refs"));
	EXPECT_FALSE(message.HasRef("text"));
}

TEST(Message, FindReportsMissingNamesWrongTypesAndIndexes)
{
	BMessage message;
	ASSERT_EQ(message.AddInt32("number", 1), B_OK);
	ASSERT_EQ(message.AddString("text", "a"), B_OK);

	int32 number = 99;
	EXPECT_EQ(message.FindInt32("absent", &number), B_NAME_NOT_FOUND);
	EXPECT_EQ(number, 0) << "a failed numeric find clears the output";
	EXPECT_EQ(message.FindInt32("text", &number), B_BAD_TYPE);
	EXPECT_EQ(message.FindInt32("number", 1, &number), B_BAD_INDEX);
	EXPECT_EQ(message.FindInt32("number", -1, &number), B_BAD_INDEX);

	const char* text = "unchanged";
	EXPECT_EQ(message.FindString("number", &text), B_BAD_TYPE);
	EXPECT_EQ(text, nullptr) << "a failed string find hands back null";
	entry_ref ref;
	EXPECT_EQ(message.FindRef("text", &ref), B_BAD_TYPE);
	EXPECT_EQ(message.FindRef("refs", &ref), B_NAME_NOT_FOUND);
	EXPECT_EQ(message.GetInfo("absent", nullptr), B_NAME_NOT_FOUND);
}

TEST(Message, AddRefusesAnotherTypeAndBadNames)
{
	BMessage message;
	ASSERT_EQ(message.AddInt32("field", 1), B_OK);
	EXPECT_EQ(message.AddString("field", "text"), B_BAD_TYPE);
	EXPECT_EQ(message.AddInt64("field", 1), B_BAD_TYPE);
	int32 count = 0;
	EXPECT_EQ(message.GetInfo("field", nullptr, &count), B_OK);
	EXPECT_EQ(count, 1) << "a refused value leaves the field as it was";

	EXPECT_EQ(message.AddInt32(nullptr, 1), B_BAD_VALUE);
	EXPECT_EQ(message.AddString("text", (const char*)nullptr), B_BAD_VALUE);
	EXPECT_EQ(message.AddRef("refs", nullptr), B_BAD_VALUE);
	EXPECT_EQ(message.AddData("bytes", B_RAW_TYPE, nullptr, 1), B_BAD_VALUE);
	// Typed values cannot come in as bytes, which their finds could not read.
	EXPECT_EQ(message.AddData("text", B_STRING_TYPE, "a", 2), B_BAD_TYPE);
	EXPECT_EQ(message.AddInt32(std::string(255, 'n').c_str(), 1), B_OK);
	EXPECT_EQ(message.AddInt32(std::string(256, 'n').c_str(), 1), B_BAD_VALUE);
}

TEST(Message, CopiesAreIndependent)
{
	BMessage original('ORIG');
	original.AddString("text", "before");
	BMessage copy(original);
	BMessage assigned;
	assigned = original;

	original.what = 'CHNG';
	original.AddString("text", "more");
	original.AddInt32("new", 1);

	for (const BMessage* message : {&copy, &assigned}) {
		EXPECT_EQ(message->what, (uint32)'ORIG');
		int32 count = 0;
		EXPECT_EQ(message->GetInfo("text", nullptr, &count), B_OK);
		EXPECT_EQ(count, 1);
		EXPECT_FALSE(message->HasString("new"));
	}
}

TEST(Message, RemoveNameAndMakeEmpty)
{
	BMessage message;
	message.AddString("a", "1");
	message.AddString("b", "2");
	EXPECT_EQ(message.RemoveName("a"), B_OK);
	EXPECT_EQ(message.RemoveName("a"), B_NAME_NOT_FOUND);
	EXPECT_FALSE(message.HasString("a"));
	EXPECT_FALSE(message.IsEmpty());
	EXPECT_EQ(message.MakeEmpty(), B_OK);
	EXPECT_TRUE(message.IsEmpty());
	EXPECT_EQ(message.CountNames(), 0);
}
