#include <Alert.h>

#include <LooperList.h>
#include <Message.h>

#include <Display.h>

using BPrivate::kMsgAlertButton;
using BPrivate::LooperList;
using BPrivate::WindowKind;
using BPrivate::WindowState;

BAlert::BAlert(const char* title, const char* text, const char* button0, const char* button1,
               const char* button2, button_width width, alert_type type)
    : BWindow(BRect(100, 100, 410, 180), title, B_MODAL_WINDOW_LOOK, B_MODAL_APP_WINDOW_FEEL,
              B_NOT_CLOSABLE | B_NOT_RESIZABLE | B_NOT_ZOOMABLE | B_NOT_MINIMIZABLE |
                  B_ASYNCHRONOUS_CONTROLS),
      fText(text != nullptr ? text : ""), fButtonWidth(width), fType(type), fAnswered(false)
{
	for (const char* label : {button0, button1, button2}) {
		if (label == nullptr)
			break;
		fButtons.push_back(label);
	}
	fShortcuts.resize(fButtons.size(), 0);
}

BAlert::~BAlert() = default;

int32
BAlert::Go()
{
	BWindow* caller = dynamic_cast<BWindow*>(BLooper::LooperForThread(find_thread(nullptr)));
	if (caller != nullptr && caller->IsLocked())
		caller->UpdateIfNeeded();

	std::future<int32> pressed = fPressed.get_future();
	Show();
	int32 index = pressed.get();
	// The quit round may have ended the alert already.
	if (LooperList::Lock(this))
		Quit();
	return index;
}

void
BAlert::MessageReceived(BMessage* message)
{
	switch (message->what) {
		case kMsgAlertButton: {
			int32 index;
			if (message->FindInt32("be:index", &index) == B_OK && index >= 0 &&
			    index < CountButtons())
				_Answer(index);
			break;
		}
		default:
			BWindow::MessageReceived(message);
			break;
	}
}

bool
BAlert::QuitRequested()
{
	_Answer(-1);
	return true;
}

const char*
BAlert::Text() const
{
	return fText.c_str();
}

int32
BAlert::CountButtons() const
{
	return (int32)fButtons.size();
}

alert_type
BAlert::Type() const
{
	return fType;
}

void
BAlert::SetShortcut(int32 index, char key)
{
	if (index >= 0 && index < CountButtons())
		fShortcuts[index] = key;
}

char
BAlert::Shortcut(int32 index) const
{
	return index >= 0 && index < CountButtons() ? fShortcuts[index] : 0;
}

void
BAlert::FillState(WindowState* state) const
{
	BWindow::FillState(state);
	state->kind = WindowKind::Alert;
	state->alert.text = fText;
	state->alert.buttons = fButtons;
	state->alert.shortcuts = fShortcuts;
	state->alert.type = fType;
	state->alert.buttonWidth = fButtonWidth;
}

void
BAlert::_Answer(int32 index)
{
	if (fAnswered)
		return;
	fAnswered = true;
	fPressed.set_value(index);
}
