#include <AppFileInfo.h>

#include <Bitmap.h>
#include <Message.h>
#include <ResourceImage.h>
#include <TypeConstants.h>

#include <cstring>
#include <elf.h>
#include <vector>

// Limits that keep a damaged or hostile file from costing much memory.
static const uint32 kMaxSections = 65536;
static const uint64 kMaxSectionSize = 1 << 20;

#if __SIZEOF_POINTER__ == 8
typedef Elf64_Ehdr ElfHeader;
typedef Elf64_Shdr SectionHeader;
static const unsigned char kElfClass = ELFCLASS64;
#else
typedef Elf32_Ehdr ElfHeader;
typedef Elf32_Shdr SectionHeader;
static const unsigned char kElfClass = ELFCLASS32;
#endif

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
static const unsigned char kElfData = ELFDATA2LSB;
#else
static const unsigned char kElfData = ELFDATA2MSB;
#endif

static status_t
ReadExactly(BFile* file, off_t position, void* buffer, size_t size)
{
	ssize_t read = file->ReadAt(position, buffer, size);
	if (read < 0)
		return read;
	return (size_t)read == size ? B_OK : B_ENTRY_NOT_FOUND;
}

static status_t
ReadSection(BFile* file, const SectionHeader& section, std::string* content)
{
	if (section.sh_type == SHT_NOBITS || section.sh_size > kMaxSectionSize)
		return B_BAD_DATA;
	content->resize(section.sh_size);
	return ReadExactly(file, section.sh_offset, content->data(), content->size());
}

BAppFileInfo::BAppFileInfo() : fFile(nullptr) {}

BAppFileInfo::BAppFileInfo(BFile* file) : fFile(nullptr)
{
	SetTo(file);
}

BAppFileInfo::~BAppFileInfo() {}

status_t
BAppFileInfo::SetTo(BFile* file)
{
	fFile = nullptr;
	status_t status = BNodeInfo::SetTo(file);
	if (status == B_OK)
		fFile = file;
	return status;
}

// Finds the resource section through the section headers and their names.
// A file that is no ELF file, or has no such section, has no resources.
status_t
BAppFileInfo::_ReadTable(std::string* table) const
{
	if (fFile == nullptr)
		return B_NO_INIT;
	ElfHeader header;
	if (ReadExactly(fFile, 0, &header, sizeof(header)) != B_OK ||
	    memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
		return B_ENTRY_NOT_FOUND;
	if (header.e_ident[EI_CLASS] != kElfClass || header.e_ident[EI_DATA] != kElfData ||
	    header.e_shentsize != sizeof(SectionHeader) || header.e_shoff == 0)
		return B_ENTRY_NOT_FOUND;

	// Many sections move the count and the name table's index into the
	// first section header.
	SectionHeader first;
	status_t status = ReadExactly(fFile, header.e_shoff, &first, sizeof(first));
	if (status != B_OK)
		return B_BAD_DATA;
	uint64 count = header.e_shnum != 0 ? header.e_shnum : first.sh_size;
	uint64 namesIndex = header.e_shstrndx != SHN_XINDEX ? header.e_shstrndx : first.sh_link;
	if (count == 0 || count > kMaxSections || namesIndex >= count)
		return B_BAD_DATA;

	std::vector<SectionHeader> sections(count);
	if (ReadExactly(fFile, header.e_shoff, sections.data(), count * sizeof(SectionHeader)) != B_OK)
		return B_BAD_DATA;
	std::string names;
	if (ReadSection(fFile, sections[namesIndex], &names) != B_OK)
		return B_BAD_DATA;

	for (const SectionHeader& section : sections) {
		// The string's own terminator bounds a name that lacks one.
		if (section.sh_name < names.size() &&
		    strcmp(names.c_str() + section.sh_name, ResourceImage::kSectionName) == 0)
			return ReadSection(fFile, section, table) == B_OK ? B_OK : B_BAD_DATA;
	}
	return B_ENTRY_NOT_FOUND;
}

status_t
BAppFileInfo::_Find(type_code type, const char* name, std::string* data) const
{
	std::string table;
	status_t status = _ReadTable(&table);
	if (status != B_OK)
		return status;
	return ResourceImage::Find(table, type, name, data);
}

status_t
BAppFileInfo::GetSignature(char* signature) const
{
	if (signature == nullptr)
		return B_BAD_VALUE;
	std::string data;
	status_t status = _Find(B_MIME_STRING_TYPE, "BEOS:APP_SIG", &data);
	if (status != B_OK)
		return status;
	if (data.size() >= B_MIME_TYPE_LENGTH)
		return B_BAD_DATA;
	memcpy(signature, data.data(), data.size());
	signature[data.size()] = '\0';
	return B_OK;
}

status_t
BAppFileInfo::GetAppFlags(uint32* flags) const
{
	if (flags == nullptr)
		return B_BAD_VALUE;
	std::string data;
	status_t status = _Find(B_APP_FLAGS_TYPE, "BEOS:APP_FLAGS", &data);
	if (status != B_OK)
		return status;
	if (data.size() != sizeof(uint32))
		return B_BAD_DATA;
	*flags = ResourceImage::Number(data.data());
	return B_OK;
}

status_t
BAppFileInfo::GetSupportedTypes(BMessage* types) const
{
	if (types == nullptr)
		return B_BAD_VALUE;
	std::string data;
	status_t status = _Find(B_STRING_TYPE, "BEOS:FILE_TYPES", &data);
	if (status != B_OK)
		return status;
	// The types one after the other, each with its terminator.
	types->MakeEmpty();
	size_t start = 0;
	while (start < data.size()) {
		size_t end = data.find('\0', start);
		if (end == std::string::npos)
			return B_BAD_DATA;
		types->AddString("types", data.substr(start, end - start).c_str());
		start = end + 1;
	}
	return B_OK;
}

status_t
BAppFileInfo::GetVersionInfo(version_info* info, version_kind kind) const
{
	if (info == nullptr || (kind != B_APP_VERSION_KIND && kind != B_SYSTEM_VERSION_KIND))
		return B_BAD_VALUE;
	std::string data;
	status_t status = _Find(B_VERSION_INFO_TYPE, "BEOS:APP_VERSION", &data);
	if (status != B_OK)
		return status;
	// Both kinds, one after the other.
	if (data.size() != 2 * sizeof(version_info))
		return B_BAD_DATA;
	const char* bytes = data.data() + kind * sizeof(version_info);
	uint32* numbers[] = {&info->major, &info->middle, &info->minor, &info->variety,
	                     &info->internal};
	for (uint32* number : numbers) {
		*number = ResourceImage::Number(bytes);
		bytes += sizeof(uint32);
	}
	memcpy(info->short_info, bytes, sizeof(info->short_info));
	memcpy(info->long_info, bytes + sizeof(info->short_info), sizeof(info->long_info));
	info->short_info[sizeof(info->short_info) - 1] = '\0';
	info->long_info[sizeof(info->long_info) - 1] = '\0';
	return B_OK;
}

status_t
BAppFileInfo::GetIcon(BBitmap* icon, icon_size which) const
{
	if (icon == nullptr || (which != B_LARGE_ICON && which != B_MINI_ICON))
		return B_BAD_VALUE;
	BRect bounds = icon->Bounds();
	if (icon->InitCheck() != B_OK || icon->ColorSpace() != B_CMAP8 ||
	    bounds.IntegerWidth() + 1 != which || bounds.IntegerHeight() + 1 != which)
		return B_BAD_VALUE;
	std::string data;
	status_t status = which == B_LARGE_ICON ? _Find(B_LARGE_ICON_TYPE, "BEOS:L:STD_ICON", &data)
	                                        : _Find(B_MINI_ICON_TYPE, "BEOS:M:STD_ICON", &data);
	if (status != B_OK)
		return status;
	if (data.size() != (size_t)which * which)
		return B_BAD_DATA;
	uint8* bits = static_cast<uint8*>(icon->Bits());
	for (int row = 0; row < which; row++)
		memcpy(bits + row * icon->BytesPerRow(), data.data() + row * which, which);
	return B_OK;
}
