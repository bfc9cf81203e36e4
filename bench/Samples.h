// Samples: repeated measurements of one figure, in any unit, and the
// order statistics a benchmark reports. The median of an even count is the
// mean of the two middle values; a percentile is the nearest-rank value.
#ifndef SAMPLES_H
#define SAMPLES_H

#include <cstddef>
#include <vector>

class Samples {
public:
	void Add(double value);
	size_t Count() const;
	bool IsEmpty() const;
	// In the order they were added.
	const std::vector<double>& Values() const;

	// Zero when there is no sample.
	double Median() const;
	// percent in (0, 100]: the smallest sample with at least that share of
	// the samples at or below it.
	double Percentile(double percent) const;
	double Minimum() const;
	double Maximum() const;

private:
	std::vector<double> _Sorted() const;

	std::vector<double> fValues;
};

#endif // SAMPLES_H
