// BStringView: a line of text that the user cannot change.
//
// Preferred size: as wide as the text, as high as a line of the font
// (ascent, descent and leading).
#ifndef _STRING_VIEW_H
#define _STRING_VIEW_H

#include <string>

#include <View.h>

class BStringView : public BView {
public:
	BStringView(BRect frame, const char* name, const char* text,
	            uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP, uint32 flags = B_WILL_DRAW);
	~BStringView() override;

	void SetText(const char* text);
	const char* Text() const;

	void GetPreferredSize(float* width, float* height) override;

protected:
	void FillState(BPrivate::ViewState* state) const override;

private:
	std::string fText;
};

#endif // _STRING_VIEW_H
