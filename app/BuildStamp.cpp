#include "BuildStamp.h"

#include <cstdio>

// Seconds since the epoch, from the object that the link of every
// executable adds.
extern "C" const long long vf_link_time;

std::string
BuildStamp()
{
	return BuildStamp((time_t)vf_link_time);
}

std::string
BuildStamp(time_t when)
{
	// English in every locale, as the stamp has always been.
	static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
	                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
	struct tm local;
	if (localtime_r(&when, &local) == nullptr)
		return std::string();
	char stamp[64];
	snprintf(stamp, sizeof(stamp), "%s %d %d %02d:%02d:%02d", kMonths[local.tm_mon], local.tm_mday,
	         local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
	return stamp;
}
