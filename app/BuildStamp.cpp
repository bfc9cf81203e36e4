#include "BuildStamp.h"

std::string
BuildStamp()
{
	return BuildStamp(__DATE__, __TIME__);
}

std::string
BuildStamp(const char* date, const char* time)
{
	std::string stamp = date;
	size_t padding = stamp.find("  ");
	if (padding != std::string::npos)
		stamp.erase(padding, 1);
	return stamp + " " + time;
}
