// The application's resources, built into the executable: signature, launch
// flags, supported types, version and the two icons, which are drawn here
// at compile time in the BeOS system colour map.
#include <AppFileInfo.h>
#include <ResourceImage.h>
#include <TypeConstants.h>

namespace {

// Indices in the system colour map.
enum : char {
	kTransparent = (char)0xff,
	kOutline = 10,
	kPaper = (char)254,
	kFold = (char)216,
	kNote = 36,
	kShadow = 16,
};

// A sheet of paper with a turned corner and a pair of beamed notes on it,
// in coordinates of one icon size.
struct IconShape {
	int left, top, right, bottom, fold;
	int firstHeadX, secondHeadX, firstHeadY, secondHeadY, headRadiusX, headRadiusY;
	int firstStemTop, secondStemTop, beam;
};

constexpr bool
InHead(int x, int y, int centerX, int centerY, const IconShape& s)
{
	int dx = (x - centerX) * s.headRadiusY;
	int dy = (y - centerY) * s.headRadiusX;
	int radius = s.headRadiusX * s.headRadiusY;
	return dx * dx + dy * dy <= radius * radius;
}

constexpr bool
InNote(int x, int y, const IconShape& s)
{
	if (InHead(x, y, s.firstHeadX, s.firstHeadY, s) ||
	    InHead(x, y, s.secondHeadX, s.secondHeadY, s))
		return true;
	int firstStem = s.firstHeadX + s.headRadiusX - 1;
	int secondStem = s.secondHeadX + s.headRadiusX - 1;
	if ((x == firstStem && y >= s.firstStemTop && y <= s.firstHeadY) ||
	    (x == secondStem && y >= s.secondStemTop && y <= s.secondHeadY))
		return true;
	if (x < firstStem || x > secondStem)
		return false;
	int beamTop = s.firstStemTop +
	              (s.secondStemTop - s.firstStemTop) * (x - firstStem) / (secondStem - firstStem);
	return y >= beamTop && y < beamTop + s.beam;
}

constexpr char
PixelAt(int x, int y, const IconShape& s)
{
	// The shadow falls one pixel right and below the sheet.
	bool onSheet = x >= s.left && x <= s.right && y >= s.top && y <= s.bottom;
	bool inShadow = x >= s.left + 1 && x <= s.right + 1 && y >= s.top + 1 && y <= s.bottom + 1;
	int cornerX = s.right - s.fold;
	int cornerY = s.top + s.fold;
	bool cutOff = x - cornerX > y - s.top;
	if (!onSheet || cutOff)
		return inShadow && !(x - 1 - cornerX > y - 1 - s.top) ? kShadow : kTransparent;
	if (x == s.left || x == s.right || y == s.top || y == s.bottom || x - cornerX == y - s.top)
		return kOutline;
	if (x >= cornerX && y <= cornerY) {
		if (x == cornerX || y == cornerY)
			return kOutline;
		return kFold;
	}
	return InNote(x, y, s) ? kNote : kPaper;
}

template <int Size>
constexpr std::array<char, Size * Size>
DrawIcon(const IconShape& shape)
{
	std::array<char, Size * Size> pixels{};
	for (int y = 0; y < Size; y++) {
		for (int x = 0; x < Size; x++)
			pixels[y * Size + x] = PixelAt(x, y, shape);
	}
	return pixels;
}

constexpr auto kLargeIcon = DrawIcon<32>({5, 1, 26, 29, 7, 10, 20, 23, 21, 4, 3, 9, 7, 3});
constexpr auto kMiniIcon = DrawIcon<16>({2, 0, 13, 14, 4, 5, 10, 12, 11, 2, 2, 5, 4, 2});

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
		for (uint32 number : {1u, 2u, 97u, (uint32)B_APPV_FINAL, 0u})
			ResourceImage::Put(bytes, at, number);
		PutText(bytes, at, "1.2a");
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
