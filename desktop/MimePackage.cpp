#include "MimePackage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

static const char* const kOurNamespace = "urn:x-vorlix:beos-mime";

static std::string
Escape(const std::string& text)
{
	std::string escaped;
	for (char c : text) {
		switch (c) {
			case '&':
				escaped += "&amp;";
				break;
			case '<':
				escaped += "&lt;";
				break;
			case '>':
				escaped += "&gt;";
				break;
			case '"':
				escaped += "&quot;";
				break;
			default:
				escaped += c;
		}
	}
	return escaped;
}

static std::string
Unescape(const std::string& text)
{
	static const std::pair<const char*, char> kEntities[] = {
	    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
	std::string plain;
	for (size_t i = 0; i < text.size(); i++) {
		bool replaced = false;
		for (const auto& [entity, c] : kEntities) {
			if (text.compare(i, strlen(entity), entity) == 0) {
				plain += c;
				i += strlen(entity) - 1;
				replaced = true;
				break;
			}
		}
		if (!replaced)
			plain += text[i];
	}
	return plain;
}

// The text between open and the next close after position; false when
// there is none.
static bool
Between(const std::string& xml, const std::string& open, const std::string& close, size_t* position,
        std::string* text)
{
	size_t start = xml.find(open, *position);
	if (start == std::string::npos)
		return false;
	start += open.size();
	size_t end = xml.find(close, start);
	if (end == std::string::npos)
		return false;
	*text = Unescape(xml.substr(start, end - start));
	*position = end + close.size();
	return true;
}

std::string
MimePackage::ToXml() const
{
	std::string xml =
	    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
	    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
	xml += "\t<mime-type type=\"" + Escape(type) + "\">\n";
	if (!shortDescription.empty())
		xml += "\t\t<comment>" + Escape(shortDescription) + "</comment>\n";
	for (const std::string& extension : extensions)
		xml += "\t\t<glob pattern=\"*." + Escape(extension) + "\"/>\n";
	if (!iconName.empty())
		xml += "\t\t<icon name=\"" + Escape(iconName) + "\"/>\n";
	std::string ours = std::string("xmlns:b=\"") + kOurNamespace + "\"";
	if (!longDescription.empty()) {
		xml += "\t\t<b:long-description " + ours + ">" + Escape(longDescription) +
		       "</b:long-description>\n";
	}
	if (!preferredApp.empty()) {
		xml += "\t\t<b:preferred-app " + ours + " signature=\"" + Escape(preferredApp) +
		       "\" desktop-id=\"" + Escape(preferredAppDesktopId) + "\"/>\n";
	}
	if (registered) {
		std::string sizes;
		for (int32 size : registeredIcons)
			sizes += (sizes.empty() ? "" : " ") + std::to_string(size);
		xml += "\t\t<b:registration " + ours + " icons=\"" + sizes + "\" default-application=\"" +
		       (registeredDefault ? "true" : "false") + "\"/>\n";
	}
	xml += "\t</mime-type>\n</mime-info>\n";
	return xml;
}

status_t
MimePackage::FromXml(const std::string& xml, MimePackage* package)
{
	size_t position = 0;
	if (!Between(xml, "<mime-type type=\"", "\"", &position, &package->type))
		return B_BAD_DATA;
	size_t start = position;
	package->shortDescription.clear();
	Between(xml, "<comment>", "</comment>", &position, &package->shortDescription);

	position = start;
	package->extensions.clear();
	std::string extension;
	while (Between(xml, "<glob pattern=\"*.", "\"", &position, &extension))
		package->extensions.push_back(extension);

	position = start;
	package->iconName.clear();
	Between(xml, "<icon name=\"", "\"", &position, &package->iconName);

	position = start;
	package->longDescription.clear();
	Between(xml, std::string("<b:long-description xmlns:b=\"") + kOurNamespace + "\">",
	        "</b:long-description>", &position, &package->longDescription);

	package->preferredApp.clear();
	package->preferredAppDesktopId.clear();
	position = xml.find("<b:preferred-app ", start);
	if (position != std::string::npos) {
		Between(xml, "signature=\"", "\"", &position, &package->preferredApp);
		Between(xml, "desktop-id=\"", "\"", &position, &package->preferredAppDesktopId);
	}

	package->registeredIcons.clear();
	position = xml.find("<b:registration ", start);
	package->registered = position != std::string::npos;
	std::string sizes;
	std::string setDefault;
	if (package->registered) {
		Between(xml, "icons=\"", "\"", &position, &sizes);
		Between(xml, "default-application=\"", "\"", &position, &setDefault);
	}
	for (size_t at = 0; at < sizes.size();) {
		size_t end = std::min(sizes.find(' ', at), sizes.size());
		package->registeredIcons.push_back(atoi(sizes.substr(at, end - at).c_str()));
		at = end + 1;
	}
	package->registeredDefault = setDefault == "true";

	// Before the program recorded what it wrote, the packages it wrote were
	// the ones naming a preferred application, which an install's never
	// does; it wrote both icons and the default with them.
	if (!package->registered && !package->preferredApp.empty()) {
		package->registered = true;
		if (!package->iconName.empty())
			package->registeredIcons = {32, 16};
		package->registeredDefault = true;
	}
	return B_OK;
}

std::string
MimePackage::FileStem(const std::string& type)
{
	std::string stem = type;
	for (char& c : stem) {
		if (c == '/')
			c = '-';
	}
	return stem;
}
