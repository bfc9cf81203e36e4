#include "EncodeReport.h"

#include <cstdio>

std::string
EncodeReport::Text(const std::vector<Failure>& failures, int32 files)
{
	char line[160];
	snprintf(line, sizeof(line), "Codifica terminata: %d file su %d non sono stati codificati.",
	         (int)failures.size(), (int)files);
	std::string text = line;
	for (size_t i = 0; i < failures.size() && i < kMaxListed; i++) {
		text += "\n" + failures[i].path;
		if (!failures[i].lastLine.empty())
			text += ": " + failures[i].lastLine;
	}
	if (failures.size() > kMaxListed) {
		snprintf(line, sizeof(line), "...e altri %d.", (int)(failures.size() - kMaxListed));
		text += "\n" + std::string(line);
	}
	return text;
}
