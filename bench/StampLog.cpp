#include "StampLog.h"

#include <algorithm>
#include <fstream>
#include <sstream>

std::vector<StampLog::Stamp>
StampLog::Read(const std::string& path)
{
	std::vector<Stamp> stamps;
	std::ifstream file(path);
	std::string line;
	while (std::getline(file, line)) {
		std::istringstream fields(line);
		Stamp stamp;
		std::string rest;
		if (fields >> stamp.pid >> stamp.start >> stamp.end && !(fields >> rest) &&
		    stamp.end >= stamp.start)
			stamps.push_back(stamp);
	}
	return stamps;
}

Samples
StampLog::Gaps(std::vector<Stamp> stamps)
{
	std::sort(stamps.begin(), stamps.end(),
	          [](const Stamp& a, const Stamp& b) { return a.start < b.start; });
	Samples gaps;
	for (size_t i = 1; i < stamps.size(); i++)
		gaps.Add((double)(stamps[i].start - stamps[i - 1].end));
	return gaps;
}
