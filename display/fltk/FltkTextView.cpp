#include "FltkTextView.h"

#include <algorithm>
#include <climits>

#include <Utf8.h>

#include "FltkKeys.h"

using namespace BPrivate;

FltkTextView::FltkTextView(int32 token)
    : Fl_Input(0, 0, 1, 1), FltkWidget(ViewKind::TextView, token), fMaxBytes(INT32_MAX)
{
	callback(_Changed);
	when(FL_WHEN_CHANGED);
}

Fl_Widget*
FltkTextView::Widget()
{
	return this;
}

void
FltkTextView::Show(const ViewState& state, const ViewState*)
{
	fMaxBytes = state.maxBytes;
	readonly(!state.enabled);
	ShowEnabled(state.enabled);
	auto echo = std::find(fSent.begin(), fSent.end(), state.text);
	if (echo != fSent.end()) {
		fSent.erase(fSent.begin(), echo + 1);
		return;
	}
	fSent.clear();
	if (state.text != value()) {
		value(state.text.c_str());
		fLast = state.text;
	}
}

int
FltkTextView::handle(int event)
{
	if (event == FL_KEYBOARD && FltkKeys::TabStep() != 0)
		return 0;
	return Fl_Input::handle(event);
}

void
FltkTextView::_Changed(Fl_Widget* widget, void*)
{
	FltkTextView* input = static_cast<FltkTextView*>(widget);
	std::string typed = input->value();
	std::string text = Utf8::CutToBytes(typed, input->fMaxBytes);
	if (text != typed) {
		int position = std::min(input->position(), (int)text.size());
		input->value(text.c_str());
		input->position(position);
	}
	if (text == input->fLast)
		return;
	input->fLast = text;
	input->fSent.push_back(text);
	input->SendText(text);
}
