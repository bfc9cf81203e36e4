#include "encode/ArgumentSplitter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string>;

const char* const kUntouched = "untouched";

// A vector of capacity entries and one more past it, all kUntouched.
struct Split {
	Split(const std::string& text, int32 taken, int32 capacity)
	    : vector(capacity + 1, kUntouched), count(taken)
	{
		status = ArgumentSplitter::Split(text.c_str(), output, vector.data(), capacity, &count);
	}

	Arguments
	From(int32 index) const
	{
		return Arguments(vector.begin() + index, vector.begin() + count);
	}

	char output[ArgumentSplitter::kOutputSize];
	std::vector<const char*> vector;
	int32 count;
	status_t status;
};

} // namespace

TEST(ArgumentSplitter, FillsTheEntriesAfterThoseTakenFromOneOutput)
{
	Split split("-q \"6 e mezzo\"  x", 2, 2 + ArgumentSplitter::kMaxArguments);
	ASSERT_EQ(split.status, B_OK);
	EXPECT_EQ(split.count, 6);
	EXPECT_EQ(split.From(2), (Arguments{"-q", "6 e mezzo", "", "x"}));
	EXPECT_EQ(split.vector[0], kUntouched);
	EXPECT_EQ(split.vector[1], kUntouched);
	EXPECT_EQ(split.vector[2], split.output) << "the arguments start the output";
	EXPECT_EQ(split.vector[5], split.output + 14) << "one after the other, each with its NUL";
}

TEST(ArgumentSplitter, TheEntriesLeftBoundTheArgumentsAndNothingIsWrittenPastThem)
{
	Split fits(std::string(3, ' '), 10, 14);
	EXPECT_EQ(fits.status, B_OK);
	EXPECT_EQ(fits.From(10), Arguments(4, ""));
	EXPECT_EQ(fits.vector[14], kUntouched);

	Split beyond(std::string(4, ' '), 10, 14);
	EXPECT_EQ(beyond.status, B_BAD_VALUE);
	EXPECT_EQ(beyond.vector[14], kUntouched);

	Split full("x", 14, 14);
	EXPECT_EQ(full.status, B_BAD_VALUE);
	EXPECT_EQ(full.vector[14], kUntouched);
	Split nothing("", 14, 14);
	EXPECT_EQ(nothing.status, B_OK) << "an empty text needs no entry";
	EXPECT_EQ(nothing.count, 14);
}
