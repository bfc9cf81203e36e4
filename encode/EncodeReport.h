// EncodeReport: the text of the alert that ends a run in which files were
// not encoded: "Codifica terminata: %d file su %d non sono stati
// codificati.", then one line per such file, its path and the last line
// its encoder wrote, at most kMaxListed of them, then "...e altri %d." for
// the rest.
#ifndef ENCODE_REPORT_H
#define ENCODE_REPORT_H

#include <string>
#include <vector>

#include <SupportDefs.h>

class EncodeReport {
public:
	static constexpr size_t kMaxListed = 20;

	struct Failure {
		std::string path;
		// May be empty.
		std::string lastLine;
	};

	// files: how many files the run gave to the encoder.
	static std::string Text(const std::vector<Failure>& failures, int32 files);
};

#endif // ENCODE_REPORT_H
