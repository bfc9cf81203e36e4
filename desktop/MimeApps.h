// The [Default Applications] group of mimeapps.list: which desktop entry
// opens a type. Edits change only the one line they are about and keep
// every other line of the file as it was; they take the file's lock (see
// TextFile::Update), so that two programs editing it at once keep both
// changes.
#ifndef MIME_APPS_H
#define MIME_APPS_H

#include <string>

#include <SupportDefs.h>

class MimeApps {
public:
	// The list in $XDG_CONFIG_HOME.
	MimeApps();
	explicit MimeApps(const std::string& path);

	// Makes desktopId the default of type when the type has none; a default
	// the user chose stays. *added tells whether it was made.
	status_t AddDefault(const std::string& type, const std::string& desktopId, bool* added);
	// Takes desktopId out of the defaults of type; a group left empty goes,
	// and so does a file left empty.
	status_t RemoveDefault(const std::string& type, const std::string& desktopId);
	// The first default of type; empty when there is none.
	std::string Default(const std::string& type) const;

private:
	static const char* const kGroup;

	std::string fPath;
};

#endif // MIME_APPS_H
