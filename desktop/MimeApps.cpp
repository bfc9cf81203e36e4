#include "MimeApps.h"

#include "TextFile.h"
#include "XdgDirectories.h"

#include <vector>

const char* const MimeApps::kGroup = "[Default Applications]";

namespace {

std::string
Trim(const std::string& text)
{
	size_t start = text.find_first_not_of(" \t\r");
	if (start == std::string::npos)
		return std::string();
	size_t end = text.find_last_not_of(" \t\r");
	return text.substr(start, end - start + 1);
}

// The file as lines, and where the group and the type's line are.
struct Layout {
	std::vector<std::string> lines;
	// Index of the group's header; -1 without the group.
	long group = -1;
	// Index past the group's last line.
	long groupEnd = -1;
	// Index of the type's line in the group; -1 without it.
	long entry = -1;

	Layout(const std::string& content, const char* groupHeader, const std::string& type)
	{
		size_t start = 0;
		while (start < content.size()) {
			size_t end = content.find('\n', start);
			if (end == std::string::npos)
				end = content.size();
			lines.push_back(content.substr(start, end - start));
			start = end + 1;
		}
		for (long i = 0; i < (long)lines.size(); i++) {
			std::string line = Trim(lines[i]);
			if (!line.empty() && line[0] == '[') {
				if (group >= 0 && groupEnd < 0)
					groupEnd = i;
				if (line == groupHeader && group < 0)
					group = i;
				continue;
			}
			size_t equals = line.find('=');
			if (group >= 0 && groupEnd < 0 && equals != std::string::npos &&
			    Trim(line.substr(0, equals)) == type && entry < 0)
				entry = i;
		}
		if (group >= 0 && groupEnd < 0)
			groupEnd = lines.size();
	}

	std::string
	Value() const
	{
		const std::string& line = lines[entry];
		return Trim(line.substr(line.find('=') + 1));
	}

	std::string
	Content() const
	{
		std::string content;
		for (const std::string& line : lines)
			content += line + "\n";
		return content;
	}
};

std::vector<std::string>
SplitList(const std::string& value)
{
	std::vector<std::string> items;
	size_t start = 0;
	while (start < value.size()) {
		size_t end = value.find(';', start);
		if (end == std::string::npos)
			end = value.size();
		std::string item = Trim(value.substr(start, end - start));
		if (!item.empty())
			items.push_back(item);
		start = end + 1;
	}
	return items;
}

} // namespace

MimeApps::MimeApps() : fPath(XdgDirectories::ConfigHome() + "/mimeapps.list") {}

MimeApps::MimeApps(const std::string& path) : fPath(path) {}

status_t
MimeApps::AddDefault(const std::string& type, const std::string& desktopId, bool* added)
{
	*added = false;
	return TextFile::Update(fPath, [&](std::string* content) {
		Layout layout(*content, kGroup, type);
		if (layout.entry >= 0 && !SplitList(layout.Value()).empty())
			return B_OK;
		std::string line = type + "=" + desktopId + ";";
		if (layout.entry >= 0)
			layout.lines[layout.entry] = line;
		else if (layout.group >= 0) {
			// After the group's last non-blank line.
			long at = layout.groupEnd;
			while (at > layout.group + 1 && Trim(layout.lines[at - 1]).empty())
				at--;
			layout.lines.insert(layout.lines.begin() + at, line);
		} else {
			if (!layout.lines.empty() && !Trim(layout.lines.back()).empty())
				layout.lines.push_back("");
			layout.lines.push_back(kGroup);
			layout.lines.push_back(line);
		}
		*content = layout.Content();
		*added = true;
		return B_OK;
	});
}

status_t
MimeApps::RemoveDefault(const std::string& type, const std::string& desktopId)
{
	if (!TextFile::Exists(fPath))
		return B_OK;
	return TextFile::Update(fPath, [&](std::string* content) {
		Layout layout(*content, kGroup, type);
		if (layout.entry < 0)
			return B_OK;
		std::string rest;
		for (const std::string& item : SplitList(layout.Value())) {
			if (item != desktopId)
				rest += item + ";";
		}
		if (!rest.empty())
			layout.lines[layout.entry] = type + "=" + rest;
		else {
			layout.lines.erase(layout.lines.begin() + layout.entry);
			layout.groupEnd--;
			bool groupEmpty = true;
			for (long i = layout.group + 1; i < layout.groupEnd; i++)
				groupEmpty = groupEmpty && Trim(layout.lines[i]).empty();
			if (groupEmpty)
				layout.lines.erase(layout.lines.begin() + layout.group,
				                   layout.lines.begin() + layout.groupEnd);
		}
		*content = layout.Content();
		return B_OK;
	});
}

std::string
MimeApps::Default(const std::string& type) const
{
	std::string content;
	if (TextFile::Read(fPath, &content) != B_OK)
		return std::string();
	Layout layout(content, kGroup, type);
	if (layout.entry < 0)
		return std::string();
	std::vector<std::string> items = SplitList(layout.Value());
	return items.empty() ? std::string() : items.front();
}
