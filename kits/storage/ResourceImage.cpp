#include <ResourceImage.h>

#include <cstring>

uint32
ResourceImage::Number(const char* bytes)
{
	uint32 value = 0;
	for (int i = 3; i >= 0; i--)
		value = (value << 8) | (unsigned char)bytes[i];
	return value;
}

static uint32
Get(const std::string& table, size_t at)
{
	return ResourceImage::Number(table.data() + at);
}

status_t
ResourceImage::Find(const std::string& table, type_code type, const char* name, std::string* data)
{
	if (name == nullptr || data == nullptr)
		return B_BAD_VALUE;
	if (table.size() < kHeaderSize || table.compare(0, 4, "VRES") != 0)
		return B_BAD_DATA;
	uint32 count = Get(table, 4);
	size_t at = kHeaderSize;
	for (uint32 i = 0; i < count; i++) {
		if (table.size() - at < kEntryHeaderSize)
			return B_BAD_DATA;
		uint32 entryType = Get(table, at);
		size_t nameLength = Get(table, at + 8);
		size_t dataLength = Get(table, at + 12);
		at += kEntryHeaderSize;
		if (table.size() - at < nameLength || table.size() - at - nameLength < dataLength)
			return B_BAD_DATA;
		if (entryType == type && nameLength == strlen(name) &&
		    table.compare(at, nameLength, name) == 0) {
			data->assign(table, at + nameLength, dataLength);
			return B_OK;
		}
		at += nameLength + dataLength;
	}
	return B_ENTRY_NOT_FOUND;
}
