// SettingsLocation: the node that holds the settings' attributes during one
// run of the program, chosen once so that they are read from where they
// will be written.
//
// The settings live on the program's executable when this user may change
// its attributes (its owner, on a file system with user attributes): they
// travel with the file, as they always have. Otherwise (an install owned by
// root, a read-only or attribute-less file system) they live on a file of
// the user's own, "vorlix-oggvorbis-frontend/settings" in the user's
// settings folder ($XDG_CONFIG_HOME): an empty file whose attributes hold
// the same values in the same format.
//
// Keeps no state after it is built; safe to use from any thread.
#ifndef SETTINGS_LOCATION_H
#define SETTINGS_LOCATION_H

#include <string>

#include <EntryRef.h>
#include <SupportDefs.h>

class BFile;

class SettingsLocation {
public:
	explicit SettingsLocation(const entry_ref& executable);

	// Opens the node to read the settings from. A node that cannot be
	// opened (the user's file before anything was stored) stays unopened,
	// and every setting then takes its default.
	void OpenForReading(BFile* file) const;
	// Opens the node to store the settings on, making the user's file and
	// its folder when they are missing. B_OK, or the reason it cannot.
	status_t OpenForWriting(BFile* file) const;

	// The file the settings live on; empty when there is none to be had.
	const std::string& Path() const;

private:
	std::string fPath;
	// The user's folder for the file; empty for the executable.
	std::string fFolder;
};

#endif // SETTINGS_LOCATION_H
