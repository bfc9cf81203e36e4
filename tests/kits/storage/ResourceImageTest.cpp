#include <ResourceImage.h>
#include <TypeConstants.h>

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr ResourceEntry kEntries[] = {
    {B_STRING_TYPE, 1, "first", "one"},
    {B_RAW_TYPE, 2, "second", std::string_view("\0\1\2", 3)},
    {B_STRING_TYPE, 3, "empty", ""},
};
constexpr auto kImage = ResourceImage::Build<ResourceImage::Size(kEntries)>(kEntries);

std::string
Table()
{
	return std::string(kImage.data(), kImage.size());
}

} // namespace

TEST(ResourceImage, FindsEntriesByTypeAndName)
{
	std::string data;
	ASSERT_EQ(ResourceImage::Find(Table(), B_STRING_TYPE, "first", &data), B_OK);
	EXPECT_EQ(data, "one");
	ASSERT_EQ(ResourceImage::Find(Table(), B_RAW_TYPE, "second", &data), B_OK);
	EXPECT_EQ(data, std::string("\0\1\2", 3));
	ASSERT_EQ(ResourceImage::Find(Table(), B_STRING_TYPE, "empty", &data), B_OK);
	EXPECT_EQ(data, "");
	// Both must match.
	EXPECT_EQ(ResourceImage::Find(Table(), B_RAW_TYPE, "first", &data), B_ENTRY_NOT_FOUND);
	EXPECT_EQ(ResourceImage::Find(Table(), B_STRING_TYPE, "firs", &data), B_ENTRY_NOT_FOUND);
}

TEST(ResourceImage, DamagedTablesAreRefusedWithoutReadingPastThem)
{
	std::string table = Table();
	std::string data;
	// Every cut before the last entry's end is found out.
	for (size_t length = 0; length < table.size(); length++) {
		SCOPED_TRACE(length);
		status_t status =
		    ResourceImage::Find(table.substr(0, length), B_STRING_TYPE, "empty", &data);
		EXPECT_TRUE(status == B_BAD_DATA) << status;
	}
	// A length field that points far past the end.
	std::string lying = table;
	lying[ResourceImage::kHeaderSize + 12] = (char)0xff;
	lying[ResourceImage::kHeaderSize + 15] = (char)0x7f;
	EXPECT_EQ(ResourceImage::Find(lying, B_STRING_TYPE, "empty", &data), B_BAD_DATA);
	EXPECT_EQ(ResourceImage::Find("XXXX", B_STRING_TYPE, "first", &data), B_BAD_DATA);
}
