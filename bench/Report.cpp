#include "Report.h"

#include <cstdarg>

static std::string
Print(const char* format, ...)
{
	char text[128];
	va_list arguments;
	va_start(arguments, format);
	vsnprintf(text, sizeof(text), format, arguments);
	va_end(arguments);
	return text;
}

static std::string
WithUnit(double value, const std::string& unit)
{
	return Print("%.3f %s", value, unit.c_str());
}

Report::Report(const std::string& title, FILE* output) : fOutput(output), fMissed(0)
{
	fprintf(fOutput, "\n== %s\n", title.c_str());
	fprintf(fOutput, "  %-44s %14s %14s %8s %16s\n", "figure", "value", "reference", "ratio",
	        "goal");
}

void
Report::Compared(const std::string& figure, const std::string& unit, double value, double reference,
                 double maxRatio)
{
	double ratio = reference > 0 ? value / reference : 0;
	_Row(figure, WithUnit(value, unit), WithUnit(reference, unit), Print("%.3f", ratio),
	     maxRatio > 0 ? Print("ratio <= %.2f", maxRatio) : "",
	     maxRatio <= 0 || (reference > 0 && ratio <= maxRatio));
}

void
Report::Bounded(const std::string& figure, const std::string& unit, double value, double maxValue)
{
	_Row(figure, WithUnit(value, unit), "", "",
	     maxValue > 0 ? Print("<= %g %s", maxValue, unit.c_str()) : "",
	     maxValue <= 0 || value <= maxValue);
}

void
Report::Growth(const std::string& figure, double small, double large, double sizeFactor)
{
	// Timer noise on tiny figures can pass for growth: up to half again
	// the linear ratio counts as linear.
	double ratio = small > 0 ? large / small / sizeFactor : 0;
	_Row(figure, Print("x%.2f", small > 0 ? large / small : 0), Print("x%.0f", sizeFactor),
	     Print("%.3f", ratio), "ratio <= 1.5", small > 0 && ratio <= 1.5);
}

void
Report::Note(const std::string& text)
{
	fprintf(fOutput, "  %s\n", text.c_str());
}

int
Report::CountMissed() const
{
	return fMissed;
}

void
Report::_Row(const std::string& figure, const std::string& value, const std::string& reference,
             const std::string& ratio, const std::string& goal, bool met)
{
	if (!met)
		fMissed++;
	fprintf(fOutput, "  %-44s %14s %14s %8s %16s %s\n", figure.c_str(), value.c_str(),
	        reference.c_str(), ratio.c_str(), goal.c_str(),
	        goal.empty() ? ""
	        : met        ? "met"
	                     : "MISSED");
	fflush(fOutput);
}
