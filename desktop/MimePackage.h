// One MIME type as a package file of the shared-mime-info database: the
// description, a glob for each file extension and the icon's name, and in a
// namespace of our own what the freedesktop format has no place for (the
// long description, the preferred application, and what the program wrote
// when it registered the type itself). update-mime-database ignores the
// foreign elements.
#ifndef MIME_PACKAGE_H
#define MIME_PACKAGE_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class MimePackage {
public:
	std::string type;
	std::string shortDescription;
	std::string longDescription;
	std::vector<std::string> extensions;
	// Empty for a type without icons.
	std::string iconName;
	// Empty for a type without a preferred application.
	std::string preferredApp;
	std::string preferredAppDesktopId;

	// Written by the program, not by an install: the program may take away
	// what it wrote, and nothing else. Also true for a package that an
	// earlier version of the program wrote.
	bool registered = false;
	// The sizes of the icons it wrote for the type.
	std::vector<int32> registeredIcons;
	// Whether it made its application the user's default for the type.
	bool registeredDefault = false;

	std::string ToXml() const;
	// Reads what ToXml wrote. B_BAD_DATA when the type is not found in it.
	static status_t FromXml(const std::string& xml, MimePackage* package);

	// "text/x-a" gives "text-x-a", the name of its package file (with
	// ".xml") and of its icons (with ".png").
	static std::string FileStem(const std::string& type);
};

#endif // MIME_PACKAGE_H
