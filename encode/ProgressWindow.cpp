#include "ProgressWindow.h"

#include <Button.h>
#include <Message.h>
#include <StringView.h>

#include "window/Commands.h"

ProgressWindow::ProgressWindow(BWindow* target)
    : BWindow(BRect(0, 0, 1, 1), "Stato della codifica", B_FLOATING_WINDOW_LOOK,
              B_MODAL_APP_WINDOW_FEEL,
              B_NOT_RESIZABLE | B_NOT_CLOSABLE | B_NOT_ZOOMABLE | B_NOT_MINIMIZABLE |
                  B_ASYNCHRONOUS_CONTROLS,
              B_CURRENT_WORKSPACE)
{
	backView = new BView(Bounds(), "BackView", B_FOLLOW_ALL, 0);
	backView->SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));
	AddChild(backView);

	BStringView* caption =
	    new BStringView(BRect(5, 5, 335, 6), "NowEncoding",
	                    "Codifica in corso del file:", B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW);
	caption->ResizeToPreferred();
	backView->AddChild(caption);
	BRect captionFrame = caption->Frame();
	float lineHeight = captionFrame.bottom - captionFrame.top;

	// The file name keeps its width whatever the length of the path.
	fileNameView = new BStringView(BRect(5, captionFrame.bottom + 6, 335, captionFrame.bottom + 21),
	                               "FileName", "#", B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW);
	backView->AddChild(fileNameView);
	BRect nameFrame = fileNameView->Frame();

	fileNumberView = new BStringView(BRect(5, nameFrame.bottom + 6, 335, nameFrame.bottom + 21),
	                                 "FileNumber", "#", B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW);
	backView->AddChild(fileNumberView);
	float buttonTop = fileNumberView->Frame().bottom + 6;

	skipButton =
	    new BButton(BRect(5, buttonTop, 80, buttonTop + 26), "SkipFile", "Salta file",
	                new BMessage(SKIP), B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
	skipButton->ResizeToPreferred();
	skipButton->SetTarget(target);
	backView->AddChild(skipButton);
	BRect skipFrame = skipButton->Frame();

	stopButton =
	    new BButton(BRect(skipFrame.right + 5, buttonTop, skipFrame.right + 81, buttonTop + 26),
	                "StopEncoding", "Ferma codifica", new BMessage(STOP),
	                B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
	stopButton->ResizeToPreferred();
	stopButton->SetTarget(target);
	backView->AddChild(stopButton);

	ResizeTo(340, 3 * lineHeight + 3 + 25 + (skipFrame.bottom - skipFrame.top));
}
