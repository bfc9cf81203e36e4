// OptionsView: the "Opzioni del programma" page. It shows the settings of
// the application as they are when it is built: the encoder's location,
// with "Sfoglia..." to choose it in a panel, the three switches, and two
// buttons that install and remove the list file type at once. Every
// control sends its command to the main window, which changes the
// settings; the encoder panel replies (LOGP) to the application.
//
// The encoder panel is made once and lives until the application ends.
//
// Threads: as every view, used with its window (the main window) locked.
#ifndef OPTIONS_VIEW_H
#define OPTIONS_VIEW_H

#include <View.h>

class BButton;
class BCheckBox;
class BFilePanel;
class BTextControl;

class OptionsView : public BView {
public:
	explicit OptionsView(BRect frame);
	~OptionsView() override;

	BButton* setEncoderLocationButton;
	BTextControl* encoderLocationControl;
	BFilePanel* encoderPanel;
	BCheckBox* dontCloseOnAddBox;
	BCheckBox* dontClearOnOpenBox;
	BCheckBox* selfRegisterMimeTypeBox;

private:
	// Below the control at top, at its preferred size.
	BCheckBox* _AddCheckBox(float top, const char* name, const char* label, uint32 command);
	BButton* _AddButton(BPoint leftTop, const char* name, const char* label, uint32 command);
};

#endif // OPTIONS_VIEW_H
