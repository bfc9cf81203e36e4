#include "EncoderOutput.h"

#include <algorithm>

// Enough of a line to know that it is longer than kept, blanks at its end
// aside.
static const size_t kLineKept = 4 * EncoderOutput::kMaxLineLength;

static bool
IsBlank(char c)
{
	return c == ' ' || c == '\t';
}

static std::string
Trimmed(const std::string& line)
{
	size_t end = line.size();
	while (end > 0 && IsBlank(line[end - 1]))
		end--;
	return line.substr(0, end);
}

EncoderOutput::EncoderOutput() : fFraction(0) {}

void
EncoderOutput::Add(const char* data, size_t size)
{
	for (size_t i = 0; i < size; i++) {
		char c = data[i];
		if (c == '\r' || c == '\n')
			_EndLine();
		else if ((!fLine.empty() || !IsBlank(c)) && fLine.size() < kLineKept)
			fLine += c;
	}
	// The progress line is ended only by the next one.
	_ReadProgress(fLine);
}

float
EncoderOutput::Fraction() const
{
	return fFraction;
}

std::string
EncoderOutput::LastLine() const
{
	std::string line = Trimmed(fLine);
	return line.empty() ? fLastLine : _Cut(line);
}

void
EncoderOutput::_EndLine()
{
	std::string line = Trimmed(fLine);
	fLine.clear();
	if (line.empty())
		return;
	_ReadProgress(line);
	fLastLine = _Cut(line);
}

void
EncoderOutput::_ReadProgress(const std::string& line)
{
	// "[", blanks, digits, a point or a comma and digits, "%]".
	size_t at = 0;
	if (line.empty() || line[at++] != '[')
		return;
	while (at < line.size() && IsBlank(line[at]))
		at++;
	double value = 0;
	double scale = 0;
	bool digits = false;
	for (; at < line.size(); at++) {
		char c = line[at];
		if (c >= '0' && c <= '9') {
			digits = true;
			if (scale == 0) {
				value = value * 10 + (c - '0');
			} else {
				value += (c - '0') * scale;
				scale /= 10;
			}
		} else if ((c == '.' || c == ',') && scale == 0) {
			scale = 0.1;
		} else {
			break;
		}
	}
	if (digits && line.compare(at, 2, "%]") == 0)
		fFraction = (float)std::clamp(value / 100, 0.0, 1.0);
}

// Cut at a character's start, so that no UTF-8 sequence is split.
std::string
EncoderOutput::_Cut(const std::string& line)
{
	if (line.size() <= kMaxLineLength)
		return line;
	size_t end = kMaxLineLength;
	while (end > 0 && (line[end] & 0xC0) == 0x80)
		end--;
	return Trimmed(line.substr(0, end)) + "...";
}
