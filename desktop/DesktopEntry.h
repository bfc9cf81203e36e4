// The desktop entry that stands for an application signature: it opens
// files with the running executable, names the class of its windows
// (StartupWMClass: the signature's name, "VorlixOggVorbisFrontend"), and
// lists the MIME types whose preferred application it is. It lives in
// $XDG_DATA_HOME/applications and says that the program wrote it; an entry
// of the same id that an install put in any XDG data folder stands for the
// application instead, and is never rewritten nor removed.
#ifndef DESKTOP_ENTRY_H
#define DESKTOP_ENTRY_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class DesktopEntry {
public:
	// "application/x-vnd.VorlixOggVorbisFrontend" gives the id
	// "vorlix-ogg-vorbis-frontend.desktop" and the name "Vorlix Ogg Vorbis
	// Frontend". B_BAD_VALUE for a signature that is not an application's.
	explicit DesktopEntry(const std::string& signature);

	status_t InitCheck() const;
	const std::string&
	Id() const
	{
		return fId;
	}
	std::string Path() const;

	// Adds type to the entry's types, writing the entry if it is missing;
	// nothing where an installed entry stands.
	status_t AddType(const std::string& type);
	// Takes type out; the entry goes with its last type. An installed entry
	// is left as it is.
	status_t RemoveType(const std::string& type);
	// Whether the entry at Path() is one the program wrote (this version
	// or an earlier one).
	bool IsOwn() const;
	// Whether an entry of this id that the program did not write lies in
	// one of the XDG data folders.
	bool IsInstalled() const;
	// The types the entry lists now.
	std::vector<std::string> Types() const;

	// One argument of an Exec line, quoted as the desktop entry rules ask.
	static std::string QuoteExecArgument(const std::string& argument);

private:
	status_t _Write(const std::vector<std::string>& types) const;

	std::string fSignature;
	std::string fWindowClass;
	std::string fId;
	std::string fName;
	status_t fStatus;
};

#endif // DESKTOP_ENTRY_H
