#include <Control.h>

#include <Message.h>
#include <Window.h>

#include <Display.h>

using BPrivate::kMsgControlValue;
using BPrivate::ViewState;

BControl::BControl(BRect frame, const char* name, const char* label, BMessage* message,
                   uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags), BInvoker(message, nullptr),
      fLabel(label != nullptr ? label : ""), fValue(B_CONTROL_OFF), fEnabled(true)
{
}

BControl::~BControl() = default;

void
BControl::AttachedToWindow()
{
	if (!Messenger().IsValid())
		SetTarget(Window());
}

void
BControl::SetLabel(const char* label)
{
	fLabel = label != nullptr ? label : "";
	Invalidate();
}

const char*
BControl::Label() const
{
	return fLabel.c_str();
}

void
BControl::SetValue(int32 value)
{
	if (value == fValue)
		return;
	fValue = value;
	Invalidate();
}

int32
BControl::Value() const
{
	return fValue;
}

void
BControl::SetEnabled(bool enabled)
{
	if (enabled == fEnabled)
		return;
	fEnabled = enabled;
	Invalidate();
}

bool
BControl::IsEnabled() const
{
	return fEnabled;
}

status_t
BControl::Invoke(BMessage* message)
{
	std::optional<BMessage> invocation = Invocation(message, this);
	if (!invocation)
		return B_BAD_VALUE;
	invocation->AddInt32("be:value", fValue);
	return Messenger().SendMessage(&*invocation);
}

void
BControl::HandleDisplayInput(BMessage* input)
{
	int32 value;
	if (input->what != kMsgControlValue) {
		BView::HandleDisplayInput(input);
		return;
	}
	if (!fEnabled || input->FindInt32("be:value", &value) != B_OK)
		return;
	SetValue(value);
	Invoke();
}

void
BControl::FillState(ViewState* state) const
{
	BView::FillState(state);
	state->label = fLabel;
	state->value = fValue;
	state->enabled = fEnabled;
}
