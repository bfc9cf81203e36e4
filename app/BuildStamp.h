// When the program was built, as the About box prints it:
// "Jan 2 2002 18:44:16" (English month, day, year, then the time).
#ifndef BUILD_STAMP_H
#define BUILD_STAMP_H

#include <string>

// This program's own.
std::string BuildStamp();

// From the compiler's __DATE__ ("Jan  2 2002") and __TIME__ ("18:44:16").
// The compiler pads a one-digit day with a blank; the printed form has
// exactly one blank between month and day.
std::string BuildStamp(const char* date, const char* time);

#endif // BUILD_STAMP_H
