#include "SettingsAttributes.h"

#include <Errors.h>
#include <Node.h>
#include <TypeConstants.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

static bool
SelectsDefault(ssize_t result)
{
	return result == B_ENTRY_NOT_FOUND || result == B_FILE_ERROR;
}

void
SettingsAttributes::ReadText(const BNode& node, const char* name, const char* fallback,
                             char* buffer, size_t size)
{
	ssize_t result = node.ReadAttr(name, B_STRING_TYPE, 0, buffer, size);
	if (SelectsDefault(result))
		snprintf(buffer, size, "%s", fallback);
	else if (result > 0 && memchr(buffer, '\0', result) == nullptr)
		buffer[std::min((size_t)result, size - 1)] = '\0';
}

void
SettingsAttributes::ReadSwitch(const BNode& node, const char* name, bool fallback, bool* value)
{
	uint8 byte = 0;
	ssize_t result = node.ReadAttr(name, B_BOOL_TYPE, 0, &byte, 1);
	if (SelectsDefault(result))
		*value = fallback;
	else if (result == 1)
		*value = byte != 0;
}

void
SettingsAttributes::ReadNumber(const BNode& node, const char* name, int32 fallback, int32* value)
{
	int32 number = 0;
	ssize_t result = node.ReadAttr(name, B_INT32_TYPE, 0, &number, sizeof(number));
	if (SelectsDefault(result))
		*value = fallback;
	else if (result == (ssize_t)sizeof(number))
		*value = number;
}

status_t
SettingsAttributes::WriteText(BNode& node, const char* name, const char* text, size_t size)
{
	std::string stored(text, strnlen(text, size - 1));
	ssize_t result = node.WriteAttr(name, B_STRING_TYPE, 0, stored.c_str(), stored.size() + 1);
	return result < 0 ? (status_t)result : B_OK;
}

status_t
SettingsAttributes::WriteSwitch(BNode& node, const char* name, bool value)
{
	uint8 byte = value ? 1 : 0;
	ssize_t result = node.WriteAttr(name, B_BOOL_TYPE, 0, &byte, 1);
	return result < 0 ? (status_t)result : B_OK;
}

status_t
SettingsAttributes::WriteNumber(BNode& node, const char* name, int32 value)
{
	ssize_t result = node.WriteAttr(name, B_INT32_TYPE, 0, &value, sizeof(value));
	return result < 0 ? (status_t)result : B_OK;
}
