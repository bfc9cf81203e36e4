#include "ProgressWindow.h"

#include <Button.h>
#include <Message.h>
#include <StatusBar.h>
#include <StringView.h>

#include <algorithm>
#include <string>

#include "window/Commands.h"

static const float kRight = 335;

ProgressWindow::ProgressWindow(BWindow* target)
    : BWindow(BRect(0, 0, 1, 1), "Stato della codifica", B_FLOATING_WINDOW_LOOK,
              B_MODAL_APP_WINDOW_FEEL,
              B_NOT_RESIZABLE | B_NOT_CLOSABLE | B_NOT_ZOOMABLE | B_NOT_MINIMIZABLE |
                  B_ASYNCHRONOUS_CONTROLS,
              B_CURRENT_WORKSPACE),
      fileNameView(nullptr), skipButton(nullptr), fTarget(target)
{
	backView = new BView(Bounds(), "BackView", B_FOLLOW_ALL, 0);
	backView->SetViewColor(ui_color(B_PANEL_BACKGROUND_COLOR));
	AddChild(backView);

	fCaption =
	    new BStringView(BRect(5, 5, kRight, 6), "NowEncoding",
	                    "Codifica in corso del file:", B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW);
	fCaption->ResizeToPreferred();
	backView->AddChild(fCaption);
	_Build(1);
}

void
ProgressWindow::SetEncoders(int32 count)
{
	count = std::max(count, (int32)1);
	if (count == CountEncoders())
		return;
	while (backView->CountChildren() > 1) {
		BView* view = backView->ChildAt(1);
		backView->RemoveChild(view);
		delete view;
	}
	_Build(count);
}

int32
ProgressWindow::CountEncoders() const
{
	return (int32)fRows.size();
}

BStatusBar*
ProgressWindow::FileBar(int32 row) const
{
	return fRows.at((size_t)row).bar;
}

BButton*
ProgressWindow::SkipButton(int32 row) const
{
	return fRows.at((size_t)row).skip;
}

void
ProgressWindow::_Build(int32 count)
{
	BRect caption = fCaption->Frame();
	float lineHeight = caption.bottom - caption.top;
	fRows.clear();

	// One encoder: the name above the number; more: the names are in the
	// rows.
	float top = caption.bottom + 6;
	fileNameView = nullptr;
	if (count == 1) {
		// The file name keeps its width whatever the length of the path.
		fileNameView = _AddText(top, "FileName");
		top = fileNameView->Frame().bottom + 6;
	}
	fileNumberView = _AddText(top, "FileNumber");
	top = _AddRows(count, fileNumberView->Frame().bottom + 6);

	runBar = _AddBar(BRect(5, top, kRight, top + 1), "RunBar");
	float buttonTop = runBar->Frame().bottom + 6;

	float stopLeft = 5;
	skipButton = nullptr;
	if (count == 1) {
		skipButton = _AddButton(BPoint(5, buttonTop), "SkipFile", "Salta file", new BMessage(SKIP));
		fRows[0].skip = skipButton;
		stopLeft = skipButton->Frame().right + 5;
	}
	stopButton = _AddButton(BPoint(stopLeft, buttonTop), "StopEncoding", "Ferma codifica",
	                        new BMessage(STOP));

	// Below the buttons, the margin that one line of each text and no bars
	// used to leave.
	float buttonHeight = stopButton->Frame().Height();
	ResizeTo(340, buttonTop + buttonHeight + 2 * lineHeight - 25);
}

// One encoder: its bar alone, its "Salta file" goes with "Ferma codifica".
// More: a bar with a "Salta" beside it, per row. The top of what follows.
float
ProgressWindow::_AddRows(int32 count, float top)
{
	if (count == 1) {
		fRows.push_back({_AddBar(BRect(5, top, kRight, top + 1), "FileBar"), nullptr});
		return fRows[0].bar->Frame().bottom + 6;
	}
	for (int32 row = 0; row < count; row++) {
		std::string number = std::to_string(row + 1);
		BMessage* skip = new BMessage(SKIP);
		skip->AddInt32("slot", row);
		BButton* button = _AddButton(BPoint(0, top), ("Skip" + number).c_str(), "Salta", skip);
		float width = button->Frame().Width();
		BStatusBar* bar =
		    _AddBar(BRect(5, top, kRight - width - 5, top + 1), ("FileBar" + number).c_str());
		// The button at the right, level with the bar under the text.
		float barHeight = bar->Frame().Height();
		float buttonHeight = button->Frame().Height();
		button->MoveTo(kRight - width, top + std::max(barHeight - buttonHeight, 0.0f));
		fRows.push_back({bar, button});
		top += std::max(barHeight, buttonHeight) + 4;
	}
	return top + 2;
}

BStringView*
ProgressWindow::_AddText(float top, const char* name)
{
	BStringView* view = new BStringView(BRect(5, top, kRight, top + 15), name, "#",
	                                    B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW);
	backView->AddChild(view);
	return view;
}

// As wide as the frame, as high as it prefers.
BStatusBar*
ProgressWindow::_AddBar(BRect frame, const char* name)
{
	BStatusBar* bar = new BStatusBar(frame, name);
	bar->ResizeToPreferred();
	backView->AddChild(bar);
	return bar;
}

// At its preferred size, aimed at the target.
BButton*
ProgressWindow::_AddButton(BPoint leftTop, const char* name, const char* label, BMessage* message)
{
	BButton* button =
	    new BButton(BRect(leftTop.x, leftTop.y, leftTop.x + 75, leftTop.y + 26), name, label,
	                message, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
	button->ResizeToPreferred();
	button->SetTarget(fTarget);
	backView->AddChild(button);
	return button;
}
