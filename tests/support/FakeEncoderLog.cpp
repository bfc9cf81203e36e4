#include "FakeEncoderLog.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <Entry.h>

FakeEncoderLog::FakeEncoderLog(std::string path) : fPath(std::move(path))
{
	setenv("FAKE_ENCODER_LOG", fPath.c_str(), 1);
	SetMode("exit");
}

FakeEncoderLog::~FakeEncoderLog()
{
	unsetenv("FAKE_ENCODER_LOG");
	unsetenv("FAKE_ENCODER_MODE");
	unsetenv("FAKE_ENCODER_STDERR");
}

void
FakeEncoderLog::SetMode(const char* mode)
{
	setenv("FAKE_ENCODER_MODE", mode, 1);
}

void
FakeEncoderLog::SetStandardError(const std::string& text)
{
	if (text.empty())
		unsetenv("FAKE_ENCODER_STDERR");
	else
		setenv("FAKE_ENCODER_STDERR", text.c_str(), 1);
}

entry_ref
FakeEncoderLog::Ref()
{
	entry_ref ref;
	BEntry(FAKE_ENCODER_PATH, true).GetRef(&ref);
	return ref;
}

const std::string&
FakeEncoderLog::Path() const
{
	return fPath;
}

static std::string
FromHex(const std::string& hex)
{
	std::string bytes;
	for (size_t i = 0; i + 1 < hex.size(); i += 2)
		bytes += (char)std::stoi(hex.substr(i, 2), nullptr, 16);
	return bytes;
}

std::vector<FakeEncoderLog::Record>
FakeEncoderLog::Records() const
{
	std::vector<Record> records;
	std::ifstream file(fPath);
	std::string line;
	while (std::getline(file, line)) {
		std::istringstream fields(line);
		std::string field;
		std::getline(fields, field, '\t');
		Record record{(pid_t)std::stol(field), {}};
		while (std::getline(fields, field, '\t'))
			record.arguments.push_back(FromHex(field));
		// A trailing empty argument leaves no field for getline to find.
		if (!line.empty() && line.back() == '\t')
			record.arguments.push_back(std::string());
		records.push_back(record);
	}
	return records;
}

std::string
FakeEncoderLog::Describe(const std::vector<std::string>& arguments)
{
	std::string text;
	for (const std::string& argument : arguments) {
		if (!text.empty())
			text += ' ';
		text += "[" + argument + "]";
	}
	return text.empty() ? "(no arguments)" : text;
}
