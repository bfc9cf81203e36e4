#include "DesktopEntry.h"

#include "TextFile.h"
#include "XdgDirectories.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <unistd.h>

static const char* const kApplicationPrefix = "application/x-vnd.";
static const char* const kSignatureKey = "X-BeOS-Signature=";
static const char* const kTypesKey = "MimeType=";
// Marks the entries the program writes, the only ones it changes.
static const char* const kOwnLine = "X-Vorlix-Registered=true";

DesktopEntry::DesktopEntry(const std::string& signature)
    : fSignature(signature), fStatus(B_BAD_VALUE)
{
	if (signature.rfind(kApplicationPrefix, 0) != 0)
		return;
	std::string words;
	std::string id;
	const std::string name = signature.substr(strlen(kApplicationPrefix));
	fWindowClass = name;
	for (size_t i = 0; i < name.size(); i++) {
		unsigned char c = name[i];
		bool wordStart = i > 0 && isupper(c) && islower((unsigned char)name[i - 1]);
		if (!isalnum(c)) {
			words += ' ';
			id += '-';
			continue;
		}
		if (wordStart) {
			words += ' ';
			id += '-';
		}
		words += c;
		id += tolower(c);
	}
	if (id.empty())
		return;
	fId = id + ".desktop";
	fName = words;
	fStatus = B_OK;
}

status_t
DesktopEntry::InitCheck() const
{
	return fStatus;
}

std::string
DesktopEntry::Path() const
{
	return XdgDirectories::DataHome() + "/applications/" + fId;
}

std::string
DesktopEntry::QuoteExecArgument(const std::string& argument)
{
	// Quoted for the Exec rules, then escaped once more as a string value.
	std::string quoted = "\"";
	for (char c : argument) {
		if (c == '"' || c == '`' || c == '$' || c == '\\')
			quoted += '\\';
		if (c == '%')
			quoted += '%';
		quoted += c;
	}
	quoted += '"';
	std::string escaped;
	for (char c : quoted) {
		if (c == '\\')
			escaped += '\\';
		escaped += c;
	}
	return escaped;
}

std::vector<std::string>
DesktopEntry::Types() const
{
	std::vector<std::string> types;
	std::string content;
	if (fStatus != B_OK || TextFile::Read(Path(), &content) != B_OK)
		return types;
	size_t line = content.find(std::string("\n") + kTypesKey);
	if (line == std::string::npos)
		return types;
	size_t start = line + 1 + strlen(kTypesKey);
	size_t end = content.find('\n', start);
	std::string list = content.substr(start, end == std::string::npos ? end : end - start);
	size_t position = 0;
	while (position < list.size()) {
		size_t next = list.find(';', position);
		if (next == std::string::npos)
			next = list.size();
		if (next > position)
			types.push_back(list.substr(position, next - position));
		position = next + 1;
	}
	return types;
}

bool
DesktopEntry::IsOwn() const
{
	std::string content;
	if (fStatus != B_OK || TextFile::Read(Path(), &content) != B_OK)
		return false;
	content = "\n" + content;
	// An entry of an earlier version of the program has no mark, but the
	// signature that no install's entry has.
	return content.find(std::string("\n") + kOwnLine + "\n") != std::string::npos ||
	       content.find(std::string("\n") + kSignatureKey) != std::string::npos;
}

bool
DesktopEntry::IsInstalled() const
{
	if (fStatus != B_OK)
		return false;
	if (TextFile::Exists(Path()) && !IsOwn())
		return true;
	for (const std::string& folder : XdgDirectories::DataDirs()) {
		if (TextFile::Exists(folder + "/applications/" + fId))
			return true;
	}
	return false;
}

status_t
DesktopEntry::AddType(const std::string& type)
{
	if (fStatus != B_OK)
		return fStatus;
	if (!IsOwn() && IsInstalled())
		return B_OK;
	std::vector<std::string> types = Types();
	if (std::find(types.begin(), types.end(), type) == types.end())
		types.push_back(type);
	return _Write(types);
}

status_t
DesktopEntry::RemoveType(const std::string& type)
{
	if (fStatus != B_OK)
		return fStatus;
	if (!IsOwn())
		return B_OK;
	std::vector<std::string> types = Types();
	types.erase(std::remove(types.begin(), types.end(), type), types.end());
	if (types.empty())
		return TextFile::Remove(Path());
	return _Write(types);
}

status_t
DesktopEntry::_Write(const std::vector<std::string>& types) const
{
	char executable[PATH_MAX];
	ssize_t length = readlink("/proc/self/exe", executable, sizeof(executable) - 1);
	if (length < 0)
		return B_ENTRY_NOT_FOUND;
	std::string program(executable, length);
	// A line break cannot be carried by an Exec line.
	if (program.find_first_of("\n\r") != std::string::npos)
		return B_BAD_VALUE;

	std::string content = "[Desktop Entry]\n"
	                      "Type=Application\n"
	                      "Name=" +
	                      fName + "\nExec=" + QuoteExecArgument(program) +
	                      " %F\nTerminal=false\nStartupWMClass=" + fWindowClass + "\n" + kTypesKey;
	for (const std::string& type : types)
		content += type + ";";
	content += std::string("\n") + kSignatureKey + fSignature + "\n" + kOwnLine + "\n";
	return TextFile::Write(Path(), content);
}
