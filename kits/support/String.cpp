#include <String.h>

#include <cstring>

static std::string
Prefix(const char* string, int32 maxLength)
{
	if (string == nullptr || maxLength <= 0)
		return std::string();
	return std::string(string, strnlen(string, (size_t)maxLength));
}

BString::BString() {}

BString::BString(const char* string) : fString(string != nullptr ? string : "") {}

BString::BString(const char* string, int32 maxLength) : fString(Prefix(string, maxLength)) {}

const char*
BString::String() const
{
	return fString.c_str();
}

int32
BString::Length() const
{
	return (int32)fString.size();
}

BString&
BString::SetTo(const char* string)
{
	fString = string != nullptr ? string : "";
	return *this;
}

BString&
BString::SetTo(const char* string, int32 maxLength)
{
	fString = Prefix(string, maxLength);
	return *this;
}

BString&
BString::operator=(const char* string)
{
	return SetTo(string);
}

BString&
BString::operator+=(const char* string)
{
	if (string != nullptr)
		fString += string;
	return *this;
}

BString&
BString::operator+=(const BString& string)
{
	fString += string.fString;
	return *this;
}

BString&
BString::operator+=(char character)
{
	fString += character;
	return *this;
}

BString&
BString::operator<<(const char* string)
{
	return *this += string;
}

BString&
BString::operator<<(const BString& string)
{
	return *this += string;
}

BString&
BString::operator<<(char character)
{
	return *this += character;
}

BString&
BString::operator<<(int32 value)
{
	fString += std::to_string(value);
	return *this;
}

int
BString::Compare(const char* string) const
{
	return fString.compare(string != nullptr ? string : "");
}

bool
BString::operator==(const BString& other) const
{
	return fString == other.fString;
}

bool
BString::operator==(const char* string) const
{
	return Compare(string) == 0;
}

bool
BString::operator<(const BString& other) const
{
	return fString < other.fString;
}
