#include "EncoderView.h"

#include <cstdio>
#include <cstring>

#include <Menu.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <TextControl.h>
#include <TextView.h>

// Menu items: "Default", a separator, then one per bit rate.
static const int32 kFirstBitrateItem = 2;
static const int32 kBitrateCount = 6;
static const int32 kExtraParamMaxBytes = 128;

EncoderView::EncoderView(BRect frame)
    : BView(frame, "Opzioni di Oggenc", B_FOLLOW_NONE, 0), bitrates{112, 128, 160, 192, 256, 350}
{
	SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));
	float right = Bounds().right;

	bitrateMenu = new BMenu("Bitrate", B_ITEMS_IN_COLUMN);
	bitrateMenu->AddItem(new BMenuItem("Default", nullptr));
	bitrateMenu->AddSeparatorItem();
	for (int32 bitrate : bitrates) {
		char label[32];
		snprintf(label, sizeof(label), "%d kbps", (int)bitrate);
		bitrateMenu->AddItem(new BMenuItem(label, nullptr));
	}
	bitrateMenu->ItemAt(0)->SetMarked(true);
	bitrateMenu->SetRadioMode(true);
	bitrateMenu->SetTriggersEnabled(false);
	bitrateMenu->SetLabelFromMarked(true);

	bitrateField = new BMenuField(BRect(0, 0, right, 20), "BitrateField",
	                              "Bit rate approssimativo:", bitrateMenu,
	                              B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
	bitrateField->ResizeToPreferred();
	bitrateField->SetDivider(117);
	AddChild(bitrateField);

	float fieldBottom = bitrateField->Frame().bottom;
	extraParam =
	    new BTextControl(BRect(0, fieldBottom + 6, right, 1), "ExtraParam", "Altri parametri:", "",
	                     nullptr, B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
	extraParam->ResizeToPreferred();
	extraParam->SetDivider(115);
	extraParam->ResizeTo(right, extraParam->Bounds().Height());
	BTextView* text = extraParam->TextView();
	text->ResizeTo(right - 124, text->Bounds().Height());
	text->SetMaxBytes(kExtraParamMaxBytes);
	AddChild(extraParam);
}

EncoderView::~EncoderView() = default;

void
EncoderView::OptionsBefore(char* options)
{
	options[0] = '\0';
	int32 marked = bitrateMenu->IndexOf(bitrateMenu->FindMarked());
	if (marked >= kFirstBitrateItem && marked < kFirstBitrateItem + kBitrateCount)
		sprintf(options, "-b %d ", (int)bitrates[marked - kFirstBitrateItem]);

	const char* extra = extraParam->Text();
	if (extra[0] != '\0') {
		strcat(options, extra);
		strcat(options, " ");
	}

	// Drops the one space added last, never one that was typed.
	size_t length = strlen(options);
	if (length > 0)
		options[length - 1] = '\0';
}

void
EncoderView::OptionsAfter(char* options)
{
	options[0] = '\0';
}
