// The table of application resources that an executable carries in its
// ELF section kSectionName, built at compile time from a list of entries
// and read back from the file by BAppFileInfo.
//
// Layout, all numbers 32-bit little-endian: the magic "VRES", the entry
// count, then per entry its type code, its id, the byte lengths of its name
// and of its data, the name (no terminator) and the data.
#ifndef _RESOURCE_IMAGE_H
#define _RESOURCE_IMAGE_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <SupportDefs.h>

struct ResourceEntry {
	type_code type;
	int32 id;
	std::string_view name;
	std::string_view data;
};

class ResourceImage {
public:
	static constexpr const char* kSectionName = ".app_resources";
	static constexpr size_t kHeaderSize = 8;
	static constexpr size_t kEntryHeaderSize = 16;

	template <size_t Count>
	static constexpr size_t
	Size(const ResourceEntry (&entries)[Count])
	{
		size_t size = kHeaderSize;
		for (const ResourceEntry& entry : entries)
			size += kEntryHeaderSize + entry.name.size() + entry.data.size();
		return size;
	}

	template <size_t ImageSize, size_t Count>
	static constexpr std::array<char, ImageSize>
	Build(const ResourceEntry (&entries)[Count])
	{
		std::array<char, ImageSize> image{};
		size_t at = 0;
		for (char c : std::string_view("VRES"))
			image[at++] = c;
		Put(image, at, Count);
		for (const ResourceEntry& entry : entries) {
			Put(image, at, entry.type);
			Put(image, at, (uint32)entry.id);
			Put(image, at, entry.name.size());
			Put(image, at, entry.data.size());
			for (char c : entry.name)
				image[at++] = c;
			for (char c : entry.data)
				image[at++] = c;
		}
		return image;
	}

	// Reads one of the table's numbers, also inside resource data.
	static uint32 Number(const char* bytes);

	// Finds the entry of that type and name in a table. B_ENTRY_NOT_FOUND
	// without it, B_BAD_DATA for a damaged table.
	static status_t Find(const std::string& table, type_code type, const char* name,
	                     std::string* data);

	// Stores a number at at as the table stores them, and moves at on.
	template <size_t ImageSize>
	static constexpr void
	Put(std::array<char, ImageSize>& image, size_t& at, uint32 value)
	{
		for (int shift = 0; shift < 32; shift += 8)
			image[at++] = (char)((value >> shift) & 0xff);
	}
};

#endif // _RESOURCE_IMAGE_H
