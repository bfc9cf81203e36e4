#include "FltkScale.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

std::atomic<double> sFactor{1};

// The dots an inch of a factor of 1.
const double kPlainDpi = 96;

// A positive number filling the whole text; 0 for anything else.
double
Number(const std::string& text)
{
	const char* start = text.c_str();
	char* end = nullptr;
	double value = strtod(start, &end);
	while (end != nullptr && (*end == ' ' || *end == '\t'))
		end++;
	if (end == start || end == nullptr || *end != '\0' || !std::isfinite(value) || value <= 0)
		return 0;
	return value;
}

// The value of one resource, as the X resource manager's string lists them:
// one "name:\tvalue" a line.
std::string
Resource(const std::string& resources, const std::string& name)
{
	std::istringstream lines(resources);
	std::string line;
	while (std::getline(lines, line)) {
		if (line.compare(0, name.size() + 1, name + ":") != 0)
			continue;
		size_t value = line.find_first_not_of(" \t", name.size() + 1);
		return value == std::string::npos ? "" : line.substr(value);
	}
	return "";
}

} // namespace

const char* const FltkScale::kVariable = "VORLIX_SCALE";

double
FltkScale::FromDesktop(const char* own, const std::string& resources, const char* gdkScale)
{
	double factor = Number(own != nullptr ? own : "");
	if (factor == 0)
		factor = Number(Resource(resources, "Xft.dpi")) / kPlainDpi;
	if (factor == 0)
		factor = Number(gdkScale != nullptr ? gdkScale : "");
	if (factor == 0)
		factor = 1;
	return std::clamp(factor, kSmallest, kLargest);
}

void
FltkScale::Set(double factor)
{
	sFactor.store(std::clamp(factor, kSmallest, kLargest));
}

double
FltkScale::Factor()
{
	return sFactor.load();
}

int
FltkScale::Pixels(float kit)
{
	return (int)std::lround(kit * Factor());
}

void
FltkScale::Rect(const BRect& frame, int* x, int* y, int* width, int* height)
{
	*x = Pixels(frame.left);
	*y = Pixels(frame.top);
	*width = Pixels(frame.right + 1) - *x;
	*height = Pixels(frame.bottom + 1) - *y;
}

float
FltkScale::Kit(int pixels)
{
	return (float)(pixels / Factor());
}

int
FltkScale::Line()
{
	return std::max(1, (int)std::lround(Factor()));
}
