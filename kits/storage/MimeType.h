// BMimeType: a MIME type string and its entry in the user's freedesktop
// shared-mime-info database ($XDG_DATA_HOME/mime; default ~/.local/share).
//
// The setters collect what the type is to have; Install writes what is
// missing of it at once: the package file mime/packages/<type with "-" for
// "/">.xml (description, a glob for each extension, the icon's name), the
// icons as PNG files in icons/hicolor/{16x16,32x32}/mimetypes/ unless an
// icon of that name and size is in one of the XDG data folders, and for a
// preferred application its desktop entry in applications/ (unless an
// install put one there, see DesktopEntry) and, when the user has no
// default application for the type, the type's line in [Default
// Applications] of $XDG_CONFIG_HOME/mimeapps.list; then it runs
// update-mime-database (and update-desktop-database) when they are
// installed. The package records what Install wrote. Install either writes
// everything or leaves nothing. Delete removes exactly what Install wrote
// and updates the database again; it never touches what an install put
// in any XDG data folder, nor a default the user chose.
//
// A type is installed when the user's package file for it exists (the
// database need not have been rebuilt), or when a system data folder
// ($XDG_DATA_DIRS) has its package or its database lists the type. Only a
// package the program wrote can be deleted.
//
// The getters read the installed package, not what the setters collected.
//
// A BMimeType is used by one thread at a time; several programs may change
// the database at once only as the desktop's own tools allow.
#ifndef _MIME_TYPE_H
#define _MIME_TYPE_H

#include <string>
#include <vector>

#include <Mime.h>
#include <StorageDefs.h>
#include <SupportDefs.h>

class BBitmap;
class BMessage;
class MimePackage;

class BMimeType {
public:
	BMimeType();
	explicit BMimeType(const char* type);
	~BMimeType();

	BMimeType(const BMimeType&) = delete;
	BMimeType& operator=(const BMimeType&) = delete;

	// B_BAD_VALUE for an invalid type string.
	status_t SetTo(const char* type);
	void Unset();
	status_t InitCheck() const;
	const char* Type() const;

	// supertype or supertype/subtype, shorter than B_MIME_TYPE_LENGTH,
	// without blanks or any of  * / < > @ , ; : " ( ) [ ] ? = \  in a part.
	bool IsValid() const;
	static bool IsValid(const char* type);

	bool IsInstalled() const;
	// B_FILE_EXISTS when already installed.
	status_t Install();
	// B_ENTRY_NOT_FOUND when the user's database has no package for it,
	// B_NOT_ALLOWED when an install put the package there.
	status_t Delete();

	// Descriptions shorter than B_MIME_TYPE_LENGTH; else B_BAD_VALUE.
	status_t SetShortDescription(const char* description);
	status_t SetLongDescription(const char* description);
	// signature must be an application's ("application/..."). Only B_OPEN.
	status_t SetPreferredApp(const char* signature, app_verb verb = B_OPEN);
	// The string field "extensions"; a leading "." is dropped. nullptr
	// clears them.
	status_t SetFileExtensions(const BMessage* extensions);
	// A B_CMAP8 bitmap of exactly 32 x 32 or 16 x 16 pixels as which says;
	// nullptr clears that icon.
	status_t SetIcon(const BBitmap* icon, icon_size which);

	// description must hold B_MIME_TYPE_LENGTH bytes.
	status_t GetShortDescription(char* description) const;
	status_t GetLongDescription(char* description) const;
	// signature must hold B_MIME_TYPE_LENGTH bytes.
	status_t GetPreferredApp(char* signature, app_verb verb = B_OPEN) const;
	// Empties extensions and fills its string field "extensions".
	status_t GetFileExtensions(BMessage* extensions) const;

private:
	std::string _PackagePath() const;
	std::string _IconPath(int size) const;
	bool _HasIcon(int size) const;
	status_t _ReadPackage(MimePackage* package) const;
	status_t _WriteAll();
	void _RemoveAll(const MimePackage& package);
	static status_t _UpdateDatabase();

	std::string fType;
	status_t fStatus;
	std::string fShortDescription;
	std::string fLongDescription;
	std::string fPreferredApp;
	std::vector<std::string> fExtensions;
	std::vector<uint8> fLargeIcon;
	std::vector<uint8> fMiniIcon;
};

#endif // _MIME_TYPE_H
