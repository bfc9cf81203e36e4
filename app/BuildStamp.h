// When the program was built, as the About box prints it:
// "Jan 2 2002 18:44:16" (English month, day, year, then the local time).
#ifndef BUILD_STAMP_H
#define BUILD_STAMP_H

#include <ctime>
#include <string>

// The moment this program's executable was linked: its link adds it
// (cmake/link-with-stamp), so a build that changes any part of the program
// changes it, and nothing else does.
std::string BuildStamp();

// Any moment in that form.
std::string BuildStamp(time_t when);

#endif // BUILD_STAMP_H
