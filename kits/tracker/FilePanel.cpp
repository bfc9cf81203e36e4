#include <FilePanel.h>

#include <memory>
#include <string>
#include <unistd.h>

#include <Application.h>
#include <LooperList.h>
#include <Message.h>
#include <Window.h>

#include <Display.h>

using BPrivate::kMsgCloseBox;
using BPrivate::kMsgPanelCancelled;
using BPrivate::kMsgPanelConfirmed;
using BPrivate::LooperList;
using BPrivate::WindowKind;
using BPrivate::WindowState;

// The panel's window: it keeps the panel's state and turns the display's
// confirmations into the panel's replies, in its own thread.
class BFilePanel::PanelWindow : public BWindow {
public:
	PanelWindow(BFilePanel* panel, file_panel_mode mode, bool modal)
	    : BWindow(BRect(150, 150, 649, 449), mode == B_OPEN_PANEL ? "Apri" : "Salva",
	              B_TITLED_WINDOW_LOOK, modal ? B_MODAL_APP_WINDOW_FEEL : B_NORMAL_WINDOW_FEEL,
	              B_ASYNCHRONOUS_CONTROLS),
	      panel(panel), mode(mode), nodeFlavors(B_FILE_NODE), multipleSelection(true),
	      filter(nullptr), hideWhenDone(true),
	      defaultLabel(mode == B_OPEN_PANEL ? "Apri" : "Salva"), cancelLabel("Annulla")
	{
	}

	void
	DispatchMessage(BMessage* message, BHandler* handler) override
	{
		// The close box cancels: the panel is hidden, never deleted.
		if (message->what == kMsgCloseBox && handler == this)
			_Cancel();
		else
			BWindow::DispatchMessage(message, handler);
	}

	void
	MessageReceived(BMessage* message) override
	{
		switch (message->what) {
			case kMsgPanelConfirmed:
				_Confirm(message);
				break;
			case kMsgPanelCancelled:
				_Cancel();
				break;
			default:
				BWindow::MessageReceived(message);
				break;
		}
	}

	// Shows the state the panel was given; the window is locked.
	void
	Changed()
	{
		WindowChanged();
	}

	BFilePanel* panel;
	file_panel_mode mode;
	BMessenger target;
	std::string directory;
	uint32 nodeFlavors;
	bool multipleSelection;
	std::unique_ptr<BMessage> message;
	BRefFilter* filter;
	bool hideWhenDone;
	std::string defaultLabel;
	std::string cancelLabel;

protected:
	void
	FillState(WindowState* state) const override
	{
		BWindow::FillState(state);
		state->kind = WindowKind::FilePanel;
		state->panel.save = mode == B_SAVE_PANEL;
		state->panel.directory = directory;
		state->panel.nodeFlavors = nodeFlavors;
		state->panel.multipleSelection = multipleSelection;
		state->panel.defaultButtonLabel = defaultLabel;
		state->panel.cancelButtonLabel = cancelLabel;
	}

private:
	BMessage
	_Reply() const
	{
		if (message != nullptr)
			return *message;
		return BMessage(mode == B_OPEN_PANEL ? B_REFS_RECEIVED : B_SAVE_REQUESTED);
	}

	BMessenger
	_Target() const
	{
		return target.IsValid() ? target : be_app_messenger;
	}

	void
	_Confirm(BMessage* confirmation)
	{
		BMessage reply = _Reply();
		entry_ref ref;
		const char* name;
		if (mode == B_OPEN_PANEL) {
			for (int32 index = 0; confirmation->FindRef("refs", index, &ref) == B_OK; index++)
				reply.AddRef("refs", &ref);
		} else if (confirmation->FindRef("directory", &ref) == B_OK &&
		           confirmation->FindString("name", &name) == B_OK) {
			reply.AddRef("directory", &ref);
			reply.AddString("name", name);
		} else {
			return;
		}
		_Target().SendMessage(&reply);
		if (hideWhenDone)
			_Cancel();
	}

	// Hidden by the user: the target learns it with B_CANCEL.
	void
	_Cancel()
	{
		Hide();
		BMessage cancel = _Reply();
		cancel.AddInt32("old_what", (int32)cancel.what);
		cancel.AddPointer("source", panel);
		cancel.what = B_CANCEL;
		_Target().SendMessage(&cancel);
	}
};

BRefFilter::~BRefFilter() = default;

BFilePanel::BFilePanel(file_panel_mode mode, BMessenger* target, const entry_ref* directory,
                       uint32 nodeFlavors, bool allowMultipleSelection, BMessage* message,
                       BRefFilter* filter, bool modal, bool hideWhenDone)
    : fWindow(new PanelWindow(this, mode, modal)), fMode(mode)
{
	if (target != nullptr)
		fWindow->target = *target;
	fWindow->nodeFlavors = nodeFlavors != 0 ? nodeFlavors : (uint32)B_FILE_NODE;
	fWindow->multipleSelection = allowMultipleSelection;
	fWindow->filter = filter;
	fWindow->hideWhenDone = hideWhenDone;
	if (message != nullptr)
		fWindow->message = std::make_unique<BMessage>(*message);
	// Runs hidden from now on, so that any thread may show it.
	fWindow->Run();
	SetPanelDirectory(directory);
}

BFilePanel::~BFilePanel()
{
	if (LooperList::Lock(fWindow))
		fWindow->Quit();
}

void
BFilePanel::Show()
{
	_Change([](PanelWindow* window) {
		if (window->IsHidden())
			window->Show();
	});
}

void
BFilePanel::Hide()
{
	_Change([](PanelWindow* window) {
		if (!window->IsHidden())
			window->Hide();
	});
}

bool
BFilePanel::IsShowing() const
{
	bool showing = false;
	_Change([&](PanelWindow* window) { showing = !window->IsHidden(); });
	return showing;
}

BWindow*
BFilePanel::Window() const
{
	return fWindow;
}

file_panel_mode
BFilePanel::PanelMode() const
{
	return fMode;
}

BMessenger
BFilePanel::Messenger() const
{
	BMessenger target;
	_Change([&](PanelWindow* window) { target = window->target; });
	return target;
}

void
BFilePanel::SetTarget(BMessenger target)
{
	_Change([&](PanelWindow* window) { window->target = target; });
}

void
BFilePanel::SetMessage(BMessage* message)
{
	_Change([&](PanelWindow* window) {
		window->message = message != nullptr ? std::make_unique<BMessage>(*message) : nullptr;
	});
}

void
BFilePanel::SetRefFilter(BRefFilter* filter)
{
	_Change([&](PanelWindow* window) { window->filter = filter; });
}

BRefFilter*
BFilePanel::RefFilter() const
{
	BRefFilter* filter = nullptr;
	_Change([&](PanelWindow* window) { filter = window->filter; });
	return filter;
}

void
BFilePanel::SetButtonLabel(file_panel_button button, const char* label)
{
	_Change([&](PanelWindow* window) {
		(button == B_DEFAULT_BUTTON ? window->defaultLabel : window->cancelLabel) =
		    label != nullptr ? label : "";
		window->Changed();
	});
}

void
BFilePanel::SetPanelDirectory(const entry_ref* directory)
{
	SetPanelDirectory(directory != nullptr ? path_for_ref(*directory).c_str() : nullptr);
}

void
BFilePanel::SetPanelDirectory(const char* directory)
{
	std::string path;
	if (directory != nullptr) {
		path = directory;
	} else {
		char* current = getcwd(nullptr, 0);
		path = current != nullptr ? current : "/";
		free(current);
	}
	_Change([&](PanelWindow* window) {
		window->directory = path;
		window->Changed();
	});
}

void
BFilePanel::SetHideWhenDone(bool on)
{
	_Change([&](PanelWindow* window) { window->hideWhenDone = on; });
}

bool
BFilePanel::HidesWhenDone() const
{
	bool on = false;
	_Change([&](PanelWindow* window) { on = window->hideWhenDone; });
	return on;
}

void
BFilePanel::_Change(const std::function<void(PanelWindow* window)>& change) const
{
	if (!LooperList::Lock(fWindow))
		return;
	change(fWindow);
	fWindow->Unlock();
}
