// BControl: a view with a label and a value that invokes its message when
// the user acts on it.
//
// Target: a control that has no valid target when it joins a window takes
// the window as its target. SetValue() and SetEnabled() never invoke. User
// input reaches a disabled control not at all.
//
// Threads: as every view, used with its window locked.
#ifndef _CONTROL_H
#define _CONTROL_H

#include <string>

#include <Invoker.h>
#include <View.h>

class BControl : public BView, public BInvoker {
public:
	BControl(BRect frame, const char* name, const char* label, BMessage* message,
	         uint32 resizingMode, uint32 flags);
	~BControl() override;

	void AttachedToWindow() override;

	virtual void SetLabel(const char* label);
	const char* Label() const;
	virtual void SetValue(int32 value);
	int32 Value() const;
	virtual void SetEnabled(bool enabled);
	bool IsEnabled() const;

	// Adds "when" (int64, microseconds), "source" (this control) and
	// "be:value" (the value) to the copy it sends.
	status_t Invoke(BMessage* message = nullptr) override;

protected:
	// A new value from the screen: take it, then invoke.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	std::string fLabel;
	int32 fValue;
	bool fEnabled;
};

#endif // _CONTROL_H
