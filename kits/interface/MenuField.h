// BMenuField: a label and a pop-up menu.
//
// Geometry: the divider (where the label ends and the pop-up begins) starts
// at half the width, or 0 without a label. The field takes its preferred
// height when built. Preferred size: the divider plus the widest item label
// plus 20; as high as the font (ascent and descent) plus 8.
//
// Ownership: the field owns its menu. Threads: used with its window locked.
#ifndef _MENU_FIELD_H
#define _MENU_FIELD_H

#include <string>

#include <View.h>

class BMenu;

class BMenuField : public BView {
public:
	BMenuField(BRect frame, const char* name, const char* label, BMenu* menu,
	           uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
	           uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
	~BMenuField() override;

	BMenu* Menu() const;
	void SetLabel(const char* label);
	const char* Label() const;
	void SetDivider(float divider);
	float Divider() const;
	virtual void SetEnabled(bool enabled);
	bool IsEnabled() const;

	void GetPreferredSize(float* width, float* height) override;

protected:
	// The user chose an item of the menu.
	void HandleDisplayInput(BMessage* input) override;
	void FillState(BPrivate::ViewState* state) const override;

private:
	BMenu* fMenu;
	std::string fLabel;
	float fDivider;
	bool fEnabled;
};

#endif // _MENU_FIELD_H
