#include "ProcessMemory.h"

#include <fstream>
#include <iterator>
#include <sstream>

ProcessMemory::Figures
ProcessMemory::Read(pid_t pid)
{
	std::ifstream file("/proc/" + std::to_string(pid) + "/smaps_rollup");
	return Parse(std::string(std::istreambuf_iterator<char>(file), {}));
}

ProcessMemory::Figures
ProcessMemory::Parse(const std::string& text)
{
	Figures figures;
	std::istringstream lines(text);
	std::string line;
	while (std::getline(lines, line)) {
		std::istringstream fields(line);
		std::string name;
		long value;
		std::string unit;
		if (!(fields >> name >> value >> unit) || unit != "kB")
			continue;
		if (name == "Rss:")
			figures.rss = value;
		else if (name == "Pss:")
			figures.pss = value;
	}
	return figures;
}
