// The application's resources, built into the executable: signature, launch
// flags, supported types, version and the two icons, drawn at compile time.
#include "IconArt.h"

#include <AppFileInfo.h>
#include <ResourceImage.h>
#include <TypeConstants.h>
#include <Version.h>

namespace {

constexpr auto kLargeIcon = IconArt::Draw<32>(IconArt::kLarge);
constexpr auto kMiniIcon = IconArt::Draw<16>(IconArt::kMini);

constexpr void
PutText(std::array<char, 680>& bytes, size_t at, std::string_view text)
{
	for (char c : text)
		bytes[at++] = c;
}

// version_info for the application, then the same for the system kind.
constexpr std::array<char, 680>
VersionInfo()
{
	std::array<char, 680> bytes{};
	for (size_t kind = 0; kind < 2; kind++) {
		size_t at = kind * sizeof(version_info);
		for (uint32 number :
		     {VF_VERSION_MAJOR, VF_VERSION_MIDDLE, VF_VERSION_MINOR, (uint32)B_APPV_FINAL, 0u})
			ResourceImage::Put(bytes, at, number);
		PutText(bytes, at, VF_VERSION);
		PutText(bytes, at + 64,
		        "Una semplice interfaccia per Oggenc, per creare file audio in formato Ogg Vorbis. "
		        "Versione italiana.");
	}
	return bytes;
}

constexpr auto kVersion = VersionInfo();
static_assert(kVersion.size() == 2 * sizeof(version_info));

// B_MULTIPLE_LAUNCH: every launch starts an instance of its own.
constexpr char kFlags[] = {1, 0, 0, 0};
// "Fronted": the list type as stored list files and the desktop know it.
constexpr char kSupportedTypes[] = "text/x-VorlixOggVorbisFronted-list";

constexpr ResourceEntry kEntries[] = {
    {B_MIME_STRING_TYPE, 1, "BEOS:APP_SIG", "application/x-vnd.VorlixOggVorbisFrontend"},
    {B_MIME_STRING_TYPE, 1, "BEOS:TYPE", "application/x-vnd.Be-elfexecutable"},
    {B_APP_FLAGS_TYPE, 1, "BEOS:APP_FLAGS", std::string_view(kFlags, sizeof(kFlags))},
    {B_STRING_TYPE, 1, "BEOS:FILE_TYPES",
     std::string_view(kSupportedTypes, sizeof(kSupportedTypes))},
    {B_VERSION_INFO_TYPE, 1, "BEOS:APP_VERSION",
     std::string_view(kVersion.data(), kVersion.size())},
    {B_LARGE_ICON_TYPE, 101, "BEOS:L:STD_ICON",
     std::string_view(kLargeIcon.data(), kLargeIcon.size())},
    {B_MINI_ICON_TYPE, 101, "BEOS:M:STD_ICON",
     std::string_view(kMiniIcon.data(), kMiniIcon.size())},
};

} // namespace

// Kept in the file even though nothing in the program refers to it.
[[gnu::used, gnu::section(".app_resources")]] const auto kAppResources =
    ResourceImage::Build<ResourceImage::Size(kEntries)>(kEntries);
