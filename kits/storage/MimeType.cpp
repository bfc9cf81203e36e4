#include <MimeType.h>

#include <Bitmap.h>
#include <Message.h>

#include "DesktopEntry.h"
#include "DesktopTools.h"
#include "MimeApps.h"
#include "MimePackage.h"
#include "PngWriter.h"
#include "TextFile.h"
#include "XdgDirectories.h"

#include <cstring>
#include <sys/stat.h>

static const char* const kForbidden = "*/<>@,;:\"()[]?=\\";

// Copies text into a B_MIME_TYPE_LENGTH buffer; B_ENTRY_NOT_FOUND for none.
static status_t
CopyOut(const std::string& text, char* buffer)
{
	if (buffer == nullptr)
		return B_BAD_VALUE;
	if (text.empty())
		return B_ENTRY_NOT_FOUND;
	size_t length = std::min(text.size(), (size_t)B_MIME_TYPE_LENGTH - 1);
	memcpy(buffer, text.data(), length);
	buffer[length] = '\0';
	return B_OK;
}

static bool
IsValidPart(const std::string& part)
{
	if (part.empty() || part[0] == '.')
		return false;
	for (unsigned char c : part) {
		if (c <= ' ' || c >= 0x7f || strchr(kForbidden, c) != nullptr)
			return false;
	}
	return true;
}

// Whether a built database lists the type: newer builds keep only the list
// of types, older ones a file per type.
static bool
DatabaseKnows(const std::string& directory, const std::string& type)
{
	if (TextFile::Exists(directory + "/" + type + ".xml"))
		return true;
	std::string types;
	if (TextFile::Read(directory + "/types", &types) != B_OK)
		return false;
	return ("\n" + types).find("\n" + type + "\n") != std::string::npos;
}

BMimeType::BMimeType() : fStatus(B_NO_INIT) {}

BMimeType::BMimeType(const char* type) : fStatus(B_NO_INIT)
{
	SetTo(type);
}

BMimeType::~BMimeType() {}

status_t
BMimeType::SetTo(const char* type)
{
	Unset();
	if (!IsValid(type))
		return fStatus = B_BAD_VALUE;
	fType = type;
	return fStatus = B_OK;
}

void
BMimeType::Unset()
{
	fType.clear();
	fStatus = B_NO_INIT;
	fShortDescription.clear();
	fLongDescription.clear();
	fPreferredApp.clear();
	fExtensions.clear();
	fLargeIcon.clear();
	fMiniIcon.clear();
}

status_t
BMimeType::InitCheck() const
{
	return fStatus;
}

const char*
BMimeType::Type() const
{
	return fStatus == B_OK ? fType.c_str() : nullptr;
}

bool
BMimeType::IsValid() const
{
	return fStatus == B_OK;
}

bool
BMimeType::IsValid(const char* type)
{
	if (type == nullptr || strlen(type) >= B_MIME_TYPE_LENGTH)
		return false;
	std::string text = type;
	size_t slash = text.find('/');
	if (slash == std::string::npos)
		return IsValidPart(text);
	return IsValidPart(text.substr(0, slash)) && IsValidPart(text.substr(slash + 1));
}

// The type's package file below a data folder.
static std::string
PackagePath(const std::string& folder, const std::string& type)
{
	return folder + "/mime/packages/" + MimePackage::FileStem(type) + ".xml";
}

// The type's icon file of that size below a data folder.
static std::string
IconPath(const std::string& folder, const std::string& type, int size)
{
	std::string sizeFolder = std::to_string(size) + "x" + std::to_string(size);
	return folder + "/icons/hicolor/" + sizeFolder + "/mimetypes/" + MimePackage::FileStem(type) +
	       ".png";
}

std::string
BMimeType::_PackagePath() const
{
	return PackagePath(XdgDirectories::DataHome(), fType);
}

std::string
BMimeType::_IconPath(int size) const
{
	return IconPath(XdgDirectories::DataHome(), fType, size);
}

// In any data folder: the icon theme finds it there.
bool
BMimeType::_HasIcon(int size) const
{
	if (TextFile::Exists(_IconPath(size)))
		return true;
	for (const std::string& folder : XdgDirectories::DataDirs()) {
		if (TextFile::Exists(IconPath(folder, fType, size)))
			return true;
	}
	return false;
}

bool
BMimeType::IsInstalled() const
{
	if (fStatus != B_OK)
		return false;
	if (TextFile::Exists(_PackagePath()))
		return true;
	for (const std::string& directory : XdgDirectories::DataDirs()) {
		if (TextFile::Exists(PackagePath(directory, fType)) ||
		    DatabaseKnows(directory + "/mime", fType))
			return true;
	}
	return false;
}

status_t
BMimeType::Install()
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (IsInstalled())
		return B_FILE_EXISTS;
	return _WriteAll();
}

status_t
BMimeType::Delete()
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	MimePackage package;
	status_t status = _ReadPackage(&package);
	if (status != B_OK)
		return status;
	if (!package.registered)
		return B_NOT_ALLOWED;
	status = TextFile::Remove(_PackagePath());
	if (status != B_OK)
		return status;
	_RemoveAll(package);
	_UpdateDatabase();
	return B_OK;
}

status_t
BMimeType::_WriteAll()
{
	MimePackage package;
	package.type = fType;
	package.shortDescription = fShortDescription;
	package.longDescription = fLongDescription;
	package.extensions = fExtensions;
	package.registered = true;
	if (!fLargeIcon.empty() || !fMiniIcon.empty())
		package.iconName = MimePackage::FileStem(fType);

	status_t status = B_OK;
	for (const auto& [pixels, size] : {std::pair(&fLargeIcon, 32), std::pair(&fMiniIcon, 16)}) {
		if (pixels->empty() || status != B_OK || _HasIcon(size))
			continue;
		std::string png;
		status = PngWriter::EncodeCmap8(pixels->data(), size, size, size, &png);
		if (status == B_OK)
			status = TextFile::Write(_IconPath(size), png);
		if (status == B_OK)
			package.registeredIcons.push_back(size);
	}

	if (status == B_OK && !fPreferredApp.empty()) {
		DesktopEntry entry(fPreferredApp);
		package.preferredApp = fPreferredApp;
		package.preferredAppDesktopId = entry.Id();
		status = entry.AddType(fType);
		if (status == B_OK)
			status = MimeApps().AddDefault(fType, entry.Id(), &package.registeredDefault);
	}

	// The package goes last: it is what makes the type installed.
	if (status == B_OK)
		status = TextFile::Write(_PackagePath(), package.ToXml());
	if (status == B_OK)
		status = _UpdateDatabase();
	if (status != B_OK) {
		TextFile::Remove(_PackagePath());
		_RemoveAll(package);
		_UpdateDatabase();
	}
	return status;
}

void
BMimeType::_RemoveAll(const MimePackage& package)
{
	for (int32 size : package.registeredIcons)
		TextFile::Remove(_IconPath(size));
	if (!package.preferredApp.empty()) {
		DesktopEntry entry(package.preferredApp);
		entry.RemoveType(fType);
		if (package.registeredDefault)
			MimeApps().RemoveDefault(fType, package.preferredAppDesktopId);
	}
}

status_t
BMimeType::_UpdateDatabase()
{
	std::string dataHome = XdgDirectories::DataHome();
	// Icon caches look at the theme folder's time.
	utimensat(AT_FDCWD, (dataHome + "/icons/hicolor").c_str(), nullptr, 0);
	if (TextFile::Exists(dataHome + "/applications"))
		DesktopTools::Run("update-desktop-database", {dataHome + "/applications"});
	status_t status = DesktopTools::Run("update-mime-database", {dataHome + "/mime"});
	return status == B_ENTRY_NOT_FOUND ? B_OK : status;
}

status_t
BMimeType::_ReadPackage(MimePackage* package) const
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	std::string xml;
	status_t status = TextFile::Read(_PackagePath(), &xml);
	if (status != B_OK)
		return status;
	return MimePackage::FromXml(xml, package);
}

status_t
BMimeType::SetShortDescription(const char* description)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (description == nullptr || strlen(description) >= B_MIME_TYPE_LENGTH)
		return B_BAD_VALUE;
	fShortDescription = description;
	return B_OK;
}

status_t
BMimeType::SetLongDescription(const char* description)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (description == nullptr || strlen(description) >= B_MIME_TYPE_LENGTH)
		return B_BAD_VALUE;
	fLongDescription = description;
	return B_OK;
}

status_t
BMimeType::SetPreferredApp(const char* signature, app_verb verb)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (verb != B_OPEN)
		return B_BAD_VALUE;
	if (signature == nullptr) {
		fPreferredApp.clear();
		return B_OK;
	}
	if (!IsValid(signature) || DesktopEntry(signature).InitCheck() != B_OK)
		return B_BAD_VALUE;
	fPreferredApp = signature;
	return B_OK;
}

status_t
BMimeType::SetFileExtensions(const BMessage* extensions)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	std::vector<std::string> collected;
	const char* extension;
	for (int32 i = 0;
	     extensions != nullptr && extensions->FindString("extensions", i, &extension) == B_OK;
	     i++) {
		std::string text = extension[0] == '.' ? extension + 1 : extension;
		if (text.empty() || text.find('/') != std::string::npos)
			return B_BAD_VALUE;
		collected.push_back(text);
	}
	fExtensions = collected;
	return B_OK;
}

status_t
BMimeType::SetIcon(const BBitmap* icon, icon_size which)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (which != B_LARGE_ICON && which != B_MINI_ICON)
		return B_BAD_VALUE;
	std::vector<uint8>& pixels = which == B_LARGE_ICON ? fLargeIcon : fMiniIcon;
	if (icon == nullptr) {
		pixels.clear();
		return B_OK;
	}
	BRect bounds = icon->Bounds();
	if (icon->InitCheck() != B_OK || icon->ColorSpace() != B_CMAP8 ||
	    bounds.IntegerWidth() + 1 != which || bounds.IntegerHeight() + 1 != which)
		return B_BAD_VALUE;
	const uint8* bits = static_cast<const uint8*>(icon->Bits());
	pixels.clear();
	for (int row = 0; row < which; row++) {
		const uint8* start = bits + row * icon->BytesPerRow();
		pixels.insert(pixels.end(), start, start + which);
	}
	return B_OK;
}

status_t
BMimeType::GetShortDescription(char* description) const
{
	MimePackage package;
	status_t status = _ReadPackage(&package);
	return status == B_OK ? CopyOut(package.shortDescription, description) : status;
}

status_t
BMimeType::GetLongDescription(char* description) const
{
	MimePackage package;
	status_t status = _ReadPackage(&package);
	return status == B_OK ? CopyOut(package.longDescription, description) : status;
}

status_t
BMimeType::GetPreferredApp(char* signature, app_verb verb) const
{
	if (verb != B_OPEN)
		return B_BAD_VALUE;
	MimePackage package;
	status_t status = _ReadPackage(&package);
	return status == B_OK ? CopyOut(package.preferredApp, signature) : status;
}

status_t
BMimeType::GetFileExtensions(BMessage* extensions) const
{
	if (extensions == nullptr)
		return B_BAD_VALUE;
	MimePackage package;
	status_t status = _ReadPackage(&package);
	if (status != B_OK)
		return status;
	extensions->MakeEmpty();
	for (const std::string& extension : package.extensions)
		extensions->AddString("extensions", extension.c_str());
	return B_OK;
}
