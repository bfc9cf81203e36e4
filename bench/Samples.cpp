#include "Samples.h"

#include <algorithm>
#include <cmath>

void
Samples::Add(double value)
{
	fValues.push_back(value);
}

size_t
Samples::Count() const
{
	return fValues.size();
}

bool
Samples::IsEmpty() const
{
	return fValues.empty();
}

const std::vector<double>&
Samples::Values() const
{
	return fValues;
}

double
Samples::Median() const
{
	if (fValues.empty())
		return 0;
	std::vector<double> sorted = _Sorted();
	size_t middle = sorted.size() / 2;
	if (sorted.size() % 2 == 1)
		return sorted[middle];
	return (sorted[middle - 1] + sorted[middle]) / 2;
}

double
Samples::Percentile(double percent) const
{
	if (fValues.empty())
		return 0;
	std::vector<double> sorted = _Sorted();
	size_t rank = (size_t)std::ceil(percent / 100 * sorted.size());
	rank = std::clamp<size_t>(rank, 1, sorted.size());
	return sorted[rank - 1];
}

double
Samples::Minimum() const
{
	return fValues.empty() ? 0 : *std::min_element(fValues.begin(), fValues.end());
}

double
Samples::Maximum() const
{
	return fValues.empty() ? 0 : *std::max_element(fValues.begin(), fValues.end());
}

std::vector<double>
Samples::_Sorted() const
{
	std::vector<double> sorted = fValues;
	std::sort(sorted.begin(), sorted.end());
	return sorted;
}
