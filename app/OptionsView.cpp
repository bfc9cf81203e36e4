#include "OptionsView.h"

#include <Button.h>
#include <CheckBox.h>
#include <FilePanel.h>
#include <Menu.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <TextControl.h>
#include <TextView.h>
#include <Window.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>

#include "VFApp.h"
#include "window/Commands.h"

static const uint32 kControlFlags = B_WILL_DRAW | B_NAVIGABLE;
static const int32 kEncoderLocationMaxBytes = 1024;

static int32
ControlValue(bool on)
{
	return on ? B_CONTROL_ON : B_CONTROL_OFF;
}

OptionsView::OptionsView(BRect frame) : BView(frame, "Opzioni del programma", B_FOLLOW_NONE, 0)
{
	SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));

	// No target: the choice reaches the application, which hands it on.
	BMessage choice(LOGP);
	encoderPanel = new BFilePanel(B_OPEN_PANEL, nullptr, nullptr, B_FILE_NODE | B_SYMLINK_NODE,
	                              false, &choice, nullptr, true, true);
	encoderPanel->Window()->SetTitle("Posizione di Oggenc");
	encoderPanel->SetButtonLabel(B_DEFAULT_BUTTON, "Seleziona");
	encoderPanel->SetButtonLabel(B_CANCEL_BUTTON, "Annulla");

	float right = Bounds().right;
	setEncoderLocationButton =
	    new BButton(BRect(right - 74, 0, right, 24), "SetEncoderLocation", "Sfoglia...",
	                new BMessage(LOCG), B_FOLLOW_RIGHT | B_FOLLOW_TOP, kControlFlags);
	setEncoderLocationButton->ResizeToPreferred();
	setEncoderLocationButton->ResizeTo(setEncoderLocationButton->Bounds().Width(), 20);
	AddChild(setEncoderLocationButton);

	encoderLocationControl =
	    new BTextControl(BRect(0, 1, right, 2), "EncoderLocation", "Posizione di Oggenc:", "",
	                     nullptr, B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP, kControlFlags);
	encoderLocationControl->SetModificationMessage(new BMessage(LOCM));
	encoderLocationControl->ResizeToPreferred();
	encoderLocationControl->SetDivider(115);
	// Its right edge 5 left of the button's left edge.
	encoderLocationControl->ResizeTo(right - 79, encoderLocationControl->Bounds().Height());
	BTextView* text = encoderLocationControl->TextView();
	text->ResizeTo(right - 203, text->Bounds().Height());
	text->SetMaxBytes(kEncoderLocationMaxBytes);
	AddChild(encoderLocationControl);

	dontCloseOnAddBox =
	    _AddCheckBox(encoderLocationControl->Frame().bottom, "DontCloseOnAdd",
	                 "Non chiudere la finestra \"Aggiungi file\" quando si aggiunge un file", DCOA);
	dontClearOnOpenBox =
	    _AddCheckBox(dontCloseOnAddBox->Frame().bottom, "DontClearOnOpen",
	                 "Non cancellare la lista attuale quando se ne apre un'altra", DCOO);
	selfRegisterMimeTypeBox =
	    _AddCheckBox(dontClearOnOpenBox->Frame().bottom, "SelfRegisterMIMEType",
	                 "Auto installa tipo MIME all'avvio", SRMT);

	float buttonTop = selfRegisterMimeTypeBox->Frame().bottom + 5;
	BButton* registerButton =
	    _AddButton(BPoint(19, buttonTop), "RegisterMIMETypeNow", "Installa tipo MIME ora", RMTN);
	_AddButton(BPoint(registerButton->Frame().right + 4, buttonTop), "UnregisterMIMETypeNow",
	           "Cancella tipo MIME ora", UMTN);

	VFApp* app = static_cast<VFApp*>(be_app);
	parallelEncodersField =
	    _AddEncodersField(registerButton->Frame().bottom + 5, app->parallelEncoders);
	encoderLocationControl->SetText(app->encoderLocation);
	dontCloseOnAddBox->SetValue(ControlValue(app->dontCloseOnAdd));
	dontClearOnOpenBox->SetValue(ControlValue(app->dontClearOnOpen));
	selfRegisterMimeTypeBox->SetValue(ControlValue(app->selfRegisterMimeType));
}

OptionsView::~OptionsView() = default;

BCheckBox*
OptionsView::_AddCheckBox(float top, const char* name, const char* label, uint32 command)
{
	BCheckBox* box =
	    new BCheckBox(BRect(0, top + 5, Bounds().right, 1), name, label, new BMessage(command),
	                  B_FOLLOW_LEFT | B_FOLLOW_TOP, kControlFlags);
	box->ResizeToPreferred();
	AddChild(box);
	return box;
}

// The frames given are smaller than any button: the preferred size makes
// them, from the left-top corner.
BButton*
OptionsView::_AddButton(BPoint leftTop, const char* name, const char* label, uint32 command)
{
	BButton* button =
	    new BButton(BRect(leftTop.x, leftTop.y, leftTop.x + 1, 1), name, label,
	                new BMessage(command), B_FOLLOW_LEFT | B_FOLLOW_TOP, kControlFlags);
	button->ResizeToPreferred();
	AddChild(button);
	return button;
}

// One item per count, from 1 to the number of cores, or to the setting
// when that is more (a setting stored on a larger machine).
BMenuField*
OptionsView::_AddEncodersField(float top, int32 marked)
{
	int32 cores = (int32)std::max(std::thread::hardware_concurrency(), 1u);
	int32 counts = std::max(std::min(cores, VFApp::kMaxParallelEncoders), marked);
	BMenu* menu = new BMenu("Codifiche", B_ITEMS_IN_COLUMN);
	for (int32 count = 1; count <= counts; count++) {
		BMessage* message = new BMessage(PENC);
		message->AddInt32("count", count);
		BMenuItem* item = new BMenuItem(std::to_string(count).c_str(), message);
		item->SetMarked(count == marked);
		menu->AddItem(item);
	}
	menu->SetRadioMode(true);
	menu->SetLabelFromMarked(true);

	BMenuField* field = new BMenuField(BRect(0, top, Bounds().right, top + 20), "ParallelEncoders",
	                                   "Codifiche contemporanee:", menu,
	                                   B_FOLLOW_LEFT | B_FOLLOW_TOP, kControlFlags);
	field->SetDivider(std::ceil(StringWidth("Codifiche contemporanee:")) + 8);
	field->ResizeToPreferred();
	AddChild(field);
	return field;
}
