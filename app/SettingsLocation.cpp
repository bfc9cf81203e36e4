#include "SettingsLocation.h"

#include <Directory.h>
#include <File.h>
#include <FindDirectory.h>
#include <Path.h>

// No setting has this name. Removing it asks the file system, without
// changing anything, whether this user may change the file's attributes:
// "not found" means yes.
static const char* const kProbeAttribute = "vorlix_settings_probe";
static const char* const kFolder = "vorlix-oggvorbis-frontend";
static const char* const kFileName = "settings";

static bool
MayChangeAttributes(const entry_ref& ref)
{
	BNode node(&ref);
	return node.InitCheck() == B_OK && node.RemoveAttr(kProbeAttribute) == B_ENTRY_NOT_FOUND;
}

SettingsLocation::SettingsLocation(const entry_ref& executable)
{
	if (MayChangeAttributes(executable)) {
		fPath = path_for_ref(executable);
		return;
	}
	BPath folder;
	if (find_directory(B_USER_SETTINGS_DIRECTORY, &folder) == B_OK &&
	    folder.Append(kFolder) == B_OK) {
		fFolder = folder.Path();
		fPath = fFolder + "/" + kFileName;
	}
}

void
SettingsLocation::OpenForReading(BFile* file) const
{
	file->SetTo(fPath.c_str(), B_READ_ONLY);
}

status_t
SettingsLocation::OpenForWriting(BFile* file) const
{
	if (!fFolder.empty()) {
		status_t status = create_directory(fFolder.c_str(), 0700);
		if (status != B_OK)
			return status;
	}
	// Attributes need no writable descriptor, and the running executable
	// cannot be opened for writing anyway.
	return file->SetTo(fPath.c_str(), fFolder.empty() ? B_READ_ONLY : B_READ_ONLY | B_CREATE_FILE);
}

const std::string&
SettingsLocation::Path() const
{
	return fPath;
}
