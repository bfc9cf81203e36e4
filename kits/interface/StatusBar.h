// BStatusBar: a bar that fills as work progresses, with a line of text
// above it: the label and then the text at the left, the trailing text and
// then the trailing label at the right. The value runs from 0 to the
// maximum value, 100, and is kept within them.
//
// Preferred size: its width as it is; as high as a line of the font
// (ascent, descent and leading), 2 more, and the bar's height, 16.
//
// Display: only a change of what it shows goes to the display, so setting
// the same value and texts again costs nothing.
#ifndef _STATUS_BAR_H
#define _STATUS_BAR_H

#include <string>

#include <View.h>

class BStatusBar : public BView {
public:
	BStatusBar(BRect frame, const char* name, const char* label = nullptr,
	           const char* trailingLabel = nullptr);
	~BStatusBar() override;

	// The value and both texts at once; a null text is an empty one.
	void SetTo(float value, const char* text = nullptr, const char* trailingText = nullptr);

	void GetPreferredSize(float* width, float* height) override;

protected:
	void FillState(BPrivate::ViewState* state) const override;

private:
	static bool _Change(std::string* field, const char* text);

	std::string fLabel;
	std::string fTrailingLabel;
	std::string fText;
	std::string fTrailingText;
	float fValue;
};

#endif // _STATUS_BAR_H
