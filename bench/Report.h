// Report: prints a benchmark's figures as aligned rows on standard output:
// the figure, its value, the reference measured in the same run where there
// is one, their ratio, the goal and whether the value meets it.
#ifndef REPORT_H
#define REPORT_H

#include <cstdio>
#include <string>

class Report {
public:
	// Prints the section's title.
	Report(const std::string& title, FILE* output = stdout);

	// A value against a reference; the goal bounds their ratio (none when
	// maxRatio is 0).
	void Compared(const std::string& figure, const std::string& unit, double value,
	              double reference, double maxRatio = 0);
	// A value against an upper bound in its own unit (none when 0).
	void Bounded(const std::string& figure, const std::string& unit, double value,
	             double maxValue = 0);
	// How much a figure grew when its size grew by sizeFactor, against
	// linear growth: a ratio much above 1 means worse than linear.
	void Growth(const std::string& figure, double small, double large, double sizeFactor);
	void Note(const std::string& text);

	int CountMissed() const;

private:
	void _Row(const std::string& figure, const std::string& value, const std::string& reference,
	          const std::string& ratio, const std::string& goal, bool met);

	FILE* fOutput;
	int fMissed;
};

#endif // REPORT_H
