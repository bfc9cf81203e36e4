#include <Tab.h>

#include <TabView.h>
#include <View.h>

BTab::BTab(BView* contents) : fView(contents), fTabView(nullptr), fEnabled(true) {}

BTab::~BTab()
{
	if (fView != nullptr) {
		fView->RemoveSelf();
		delete fView;
	}
}

const char*
BTab::Label() const
{
	return fView != nullptr ? fView->Name() : "";
}

void
BTab::SetLabel(const char* label)
{
	if (fView == nullptr)
		return;
	fView->SetName(label);
	if (fTabView != nullptr)
		fTabView->Invalidate();
}

bool
BTab::IsSelected() const
{
	return fTabView != nullptr && fTabView->TabAt(fTabView->Selection()) == this;
}

void
BTab::SetEnabled(bool enabled)
{
	fEnabled = enabled;
	if (fTabView != nullptr)
		fTabView->Invalidate();
}

bool
BTab::IsEnabled() const
{
	return fEnabled;
}

void
BTab::SetView(BView* view)
{
	if (view == fView)
		return;
	BView* container = fTabView != nullptr ? fTabView->ContainerView() : nullptr;
	if (fView != nullptr) {
		fView->RemoveSelf();
		delete fView;
	}
	fView = view;
	if (container != nullptr && view != nullptr)
		container->AddChild(view);
}

BView*
BTab::View() const
{
	return fView;
}
