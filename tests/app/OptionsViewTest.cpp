#include <Button.h>
#include <CheckBox.h>
#include <FilePanel.h>
#include <MenuField.h>
#include <TextControl.h>
#include <TextView.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/OptionsView.h"
#include "app/VFApp.h"
#include "tests/support/MainWindowFixture.h"
#include "window/Commands.h"
#include "window/MainWindow.h"
#include "window/TabView.h"

using BPrivate::FixedFont;
using BPrivate::ViewState;
using BPrivate::WindowKind;
using BPrivate::WindowState;

namespace {

const char* kPage = "Opzioni del programma";
const char* kDontCloseLabel =
    "Non chiudere la finestra \"Aggiungi file\" quando si aggiunge un file";
const char* kDontClearLabel = "Non cancellare la lista attuale quando se ne apre un'altra";
const char* kSelfRegisterLabel = "Auto installa tipo MIME all'avvio";

class OptionsViewTest : public MainWindowFixture, public testing::WithParamInterface<FixedFont> {
protected:
	OptionsView*
	view()
	{
		return window->tabView->optionsView;
	}
};

} // namespace

TEST_F(OptionsViewTest, ControlsSendTheirCommandsAndShowTheDefaults)
{
	Start();
	const struct {
		const char* name;
		const char* label;
		uint32 command;
		uint32 resizingMode;
		int32 value;
	} controls[] = {
	    {"SetEncoderLocation", "Sfoglia...", LOCG, B_FOLLOW_RIGHT | B_FOLLOW_TOP, 0},
	    {"EncoderLocation", "Posizione di Oggenc:", 0, B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP, 0},
	    {"DontCloseOnAdd", kDontCloseLabel, DCOA, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_CONTROL_OFF},
	    {"DontClearOnOpen", kDontClearLabel, DCOO, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_CONTROL_OFF},
	    {"SelfRegisterMIMEType", kSelfRegisterLabel, SRMT, B_FOLLOW_LEFT | B_FOLLOW_TOP,
	     B_CONTROL_ON},
	    {"RegisterMIMETypeNow", "Installa tipo MIME ora", RMTN, B_FOLLOW_LEFT | B_FOLLOW_TOP, 0},
	    {"UnregisterMIMETypeNow", "Cancella tipo MIME ora", UMTN, B_FOLLOW_LEFT | B_FOLLOW_TOP, 0},
	};
	for (const auto& expected : controls) {
		ViewState control = user.View(kTitle, expected.name);
		EXPECT_EQ(control.label, expected.label);
		EXPECT_EQ(control.value, expected.value) << expected.name;
		EXPECT_TRUE(control.enabled) << expected.name;
		EXPECT_EQ(control.resizingMode, expected.resizingMode) << expected.name;
		EXPECT_EQ(control.flags, (uint32)(B_WILL_DRAW | B_NAVIGABLE)) << expected.name;
	}
	EXPECT_EQ(user.View(kTitle, "EncoderLocation").text, "/usr/bin/oggenc");

	ViewState encoders = user.View(kTitle, "ParallelEncoders");
	EXPECT_EQ(encoders.label, "Codifiche contemporanee:");
	EXPECT_EQ(encoders.menuLabel, "1");
	int32 cores = std::min((int32)std::thread::hardware_concurrency(), (int32)16);
	ASSERT_EQ(encoders.menu.size(), (size_t)cores);
	for (int32 count = 1; count <= cores; count++)
		EXPECT_EQ(encoders.menu[count - 1].label, std::to_string(count));

	Locked([&] {
		ASSERT_EQ(view()->CountChildren(), 8);
		EXPECT_EQ(view()->ChildAt(7), view()->parallelEncodersField);
		for (int32 index = 0; index < 7; index++) {
			BControl* control = dynamic_cast<BControl*>(view()->ChildAt(index));
			ASSERT_NE(control, nullptr);
			EXPECT_STREQ(control->Name(), controls[index].name) << "in navigation order";
			EXPECT_EQ(control->Command(), controls[index].command) << controls[index].name;
		}
		EXPECT_EQ(view()->ChildAt(0), view()->setEncoderLocationButton);
		EXPECT_EQ(view()->ChildAt(1), view()->encoderLocationControl);
		EXPECT_EQ(view()->ChildAt(2), view()->dontCloseOnAddBox);
		EXPECT_EQ(view()->ChildAt(3), view()->dontClearOnOpenBox);
		EXPECT_EQ(view()->ChildAt(4), view()->selfRegisterMimeTypeBox);
		BMessage* modification = view()->encoderLocationControl->ModificationMessage();
		ASSERT_NE(modification, nullptr);
		EXPECT_EQ(modification->what, (uint32)LOCM);
		EXPECT_EQ(view()->encoderLocationControl->TextView()->MaxBytes(), 1024);
		EXPECT_FALSE(view()->encoderPanel->Messenger().IsValid())
		    << "replies go to the application";
		EXPECT_TRUE(view()->encoderPanel->HidesWhenDone());
	});

	WindowState panel = user.Window("Posizione di Oggenc");
	EXPECT_EQ(panel.kind, WindowKind::FilePanel);
	EXPECT_FALSE(panel.shown);
	EXPECT_FALSE(panel.panel.save);
	EXPECT_EQ(panel.panel.nodeFlavors, (uint32)(B_FILE_NODE | B_SYMLINK_NODE));
	EXPECT_FALSE(panel.panel.multipleSelection);
	EXPECT_EQ(panel.feel, B_MODAL_APP_WINDOW_FEEL);
	EXPECT_EQ(panel.panel.defaultButtonLabel, "Seleziona");
	EXPECT_EQ(panel.panel.cancelButtonLabel, "Annulla");

	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", kPage));
	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "ParallelEncoders", {std::to_string(cores)}));
	Locked([&] { EXPECT_EQ(app->parallelEncoders, cores); });
}

TEST_F(OptionsViewTest, ShowsTheSettingsOfTheApplication)
{
	std::string location = "/opt/" + std::string(1000, 'e');
	strcpy(app->encoderLocation, location.c_str());
	app->dontCloseOnAdd = true;
	app->dontClearOnOpen = true;
	app->selfRegisterMimeType = false;
	// More than this machine's cores, from a larger one: offered as well.
	app->parallelEncoders = 16;
	Start();
	EXPECT_EQ(user.View(kTitle, "ParallelEncoders").menuLabel, "16");
	EXPECT_EQ(user.View(kTitle, "ParallelEncoders").menu.size(), 16u);
	EXPECT_EQ(user.View(kTitle, "EncoderLocation").text, location);
	EXPECT_EQ(user.View(kTitle, "DontCloseOnAdd").value, B_CONTROL_ON);
	EXPECT_EQ(user.View(kTitle, "DontClearOnOpen").value, B_CONTROL_ON);
	EXPECT_EQ(user.View(kTitle, "SelfRegisterMIMEType").value, B_CONTROL_OFF);
	EXPECT_TRUE(std::string(app->encoderLocation) == location) << "building changes no setting";

	ASSERT_TRUE(user.SelectTab(kTitle, "TabView", kPage));
	ASSERT_TRUE(user.Type(kTitle, "EncoderLocation", std::string(100, 'x')));
	EXPECT_EQ(user.View(kTitle, "EncoderLocation").text.size(), 1024u);
}

TEST_P(OptionsViewTest, ControlsStackByTheirRulesWhateverTheFont)
{
	display.SetFont(GetParam());
	Start();
	float right = user.View(kTitle, kPage).frame.Width();

	BRect browse = user.View(kTitle, "SetEncoderLocation").frame;
	BRect preferred = PreferredFrame<BButton>(right - 74, 0, "Sfoglia...");
	EXPECT_EQ(browse, BRect(right - 74, 0, preferred.right, 20));

	ViewState field = user.View(kTitle, "EncoderLocation");
	BTextControl twin(BRect(0, 1, right, 2), "Twin", "Posizione di Oggenc:", "", nullptr);
	EXPECT_EQ(field.frame, BRect(0, 1, right - 79, 1 + twin.Bounds().Height()));
	EXPECT_EQ(field.frame.right, browse.left - 5);
	EXPECT_EQ(field.divider, 115);
	Locked([&] {
		EXPECT_EQ(view()->encoderLocationControl->TextView()->Frame().Width(), right - 203);
	});

	float top = field.frame.bottom;
	for (const char* name : {"DontCloseOnAdd", "DontClearOnOpen", "SelfRegisterMIMEType"}) {
		ViewState box = user.View(kTitle, name);
		EXPECT_EQ(box.frame, PreferredFrame<BCheckBox>(0, top + 5, box.label.c_str())) << name;
		top = box.frame.bottom;
	}
	BRect install = user.View(kTitle, "RegisterMIMETypeNow").frame;
	EXPECT_EQ(install, PreferredFrame<BButton>(19, top + 5, "Installa tipo MIME ora"));
	EXPECT_EQ(user.View(kTitle, "UnregisterMIMETypeNow").frame,
	          PreferredFrame<BButton>(install.right + 4, top + 5, "Cancella tipo MIME ora"));
	BRect encoders = user.View(kTitle, "ParallelEncoders").frame;
	EXPECT_EQ(encoders.LeftTop(), BPoint(0, install.bottom + 5));
	// A font as large as the second one takes the buttons past the right
	// edge as well.
	if (GetParam().height.ascent == FixedFont::Reference().height.ascent) {
		EXPECT_LE(encoders.bottom, user.View(kTitle, kPage).frame.Height()) << "within the page";
	}
}

INSTANTIATE_TEST_SUITE_P(Fonts, OptionsViewTest,
                         testing::Values(FixedFont::Reference(), MainWindowFixture::kLargeFont));
