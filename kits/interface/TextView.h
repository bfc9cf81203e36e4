// BTextView: an editable text, as far as a text control needs one.
//
// Byte limit: SetMaxBytes() limits the text to that many bytes (not
// characters). A text that would be longer, typed or set, is cut at the
// last whole UTF-8 character that fits; setting a smaller limit cuts the
// current text the same way.
//
// Threads: as every view, used with its window locked.
#ifndef _TEXT_VIEW_H
#define _TEXT_VIEW_H

#include <string>

#include <View.h>

class BTextView : public BView {
public:
	BTextView(BRect frame, const char* name, BRect textRect, uint32 resizingMode, uint32 flags);
	~BTextView() override;

	void SetText(const char* text);
	const char* Text() const;
	int32 TextLength() const;

	void SetMaxBytes(int32 maxBytes);
	int32 MaxBytes() const;

	void MakeEditable(bool editable = true);
	bool IsEditable() const;

	BRect TextRect() const;

protected:
	// Called after every change of the text, made by the program or typed.
	virtual void TextChanged();

	// The text typed on the screen replaces the text.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	void _Change(const char* text);

	std::string fText;
	int32 fMaxBytes;
	bool fEditable;
	BRect fTextRect;
};

#endif // _TEXT_VIEW_H
