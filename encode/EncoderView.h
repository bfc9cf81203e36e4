// EncoderView: the "Opzioni di Oggenc" page. A pop-up menu picks an
// approximate bit rate and a text field takes free extra parameters; the
// encoding run turns both into the argument text it puts around each path.
//
// The choices are not saved: every start begins with "Default" and an empty
// field. The page handles no messages: choosing a bit rate only marks it.
//
// Threads: as every view, used with its window (the main window) locked.
#ifndef ENCODER_VIEW_H
#define ENCODER_VIEW_H

#include <View.h>

class BMenu;
class BMenuField;
class BTextControl;

class EncoderView : public BView {
public:
	explicit EncoderView(BRect frame);
	~EncoderView() override;

	// The text before the path: "-b N" for a chosen bit rate, then the
	// extra parameters exactly as typed, one space between the two. At
	// most 135 characters and the terminator.
	void OptionsBefore(char* options);
	// The text after the path: always empty.
	void OptionsAfter(char* options);

	BMenu* bitrateMenu;
	BMenuField* bitrateField;
	int32 bitrates[6];
	BTextControl* extraParam;
};

#endif // ENCODER_VIEW_H
