// BString: a text that owns its bytes. Only what the program needs: build,
// append, compare and read back as a NUL-terminated string.
#ifndef _B_STRING_H
#define _B_STRING_H

#include <string>

#include <SupportDefs.h>

class BString {
public:
	BString();
	// A null string gives an empty text.
	BString(const char* string);
	BString(const char* string, int32 maxLength);

	const char* String() const;
	int32 Length() const;

	BString& SetTo(const char* string);
	BString& SetTo(const char* string, int32 maxLength);
	BString& operator=(const char* string);

	BString& operator+=(const char* string);
	BString& operator+=(const BString& string);
	BString& operator+=(char character);
	BString& operator<<(const char* string);
	BString& operator<<(const BString& string);
	BString& operator<<(char character);
	BString& operator<<(int32 value);

	int Compare(const char* string) const;
	bool operator==(const BString& other) const;
	bool operator==(const char* string) const;
	bool operator<(const BString& other) const;

private:
	std::string fString;
};

#endif // _B_STRING_H
