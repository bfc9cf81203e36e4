// OptionsView: the "Opzioni del programma" page. It shows the settings of
// the application as they are when it is built: the encoder's location,
// with "Sfoglia..." to choose it in a panel, the three switches, two
// buttons that install and remove the list file type at once, and how many
// encoders a run keeps going ("Codifiche contemporanee:", from 1 to the
// number of cores, at most VFApp::kMaxParallelEncoders). Every
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
class BMenuField;
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
	// Its items send PENC with "count".
	BMenuField* parallelEncodersField;

private:
	// Below the control at top, at its preferred size.
	BCheckBox* _AddCheckBox(float top, const char* name, const char* label, uint32 command);
	BButton* _AddButton(BPoint leftTop, const char* name, const char* label, uint32 command);
	BMenuField* _AddEncodersField(float top, int32 marked);
};

#endif // OPTIONS_VIEW_H
