#include <Menu.h>
#include <MenuField.h>
#include <TextControl.h>
#include <TextView.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "encode/EncoderView.h"
#include "tests/support/HeadlessFixture.h"
#include "tests/support/MessageLog.h"
#include "tests/support/RecordingWindow.h"

using BPrivate::FixedFont;
using BPrivate::ViewState;

namespace {

const char* kTitle = "Principale";
// The rectangle the tab view gives its pages in the main window.
const BRect kPage(10, 10, 418, 188);
const FixedFont kLargeFont = {{14, 4, 3}, 9};

class EncoderViewTest : public HeadlessFixture, public testing::WithParamInterface<FixedFont> {
protected:
	void
	Build(const FixedFont& font = FixedFont::Reference())
	{
		display.SetFont(font);
		window = new RecordingWindow(log, kTitle, BRect(100, 100, 540, 380));
		view = new EncoderView(kPage);
		window->AddChild(view);
		window->Show();
	}

	std::string
	Before()
	{
		user.WaitIdle();
		char options[256];
		memset(options, 'x', sizeof(options));
		EXPECT_TRUE(window->Lock());
		view->OptionsBefore(options);
		window->Unlock();
		EXPECT_NE(memchr(options, '\0', sizeof(options)), nullptr);
		return options;
	}

	std::string
	After()
	{
		char options[256];
		memset(options, 'x', sizeof(options));
		EXPECT_TRUE(window->Lock());
		view->OptionsAfter(options);
		window->Unlock();
		return std::string(options, strnlen(options, sizeof(options)));
	}

	std::shared_ptr<MessageLog> log = std::make_shared<MessageLog>();
	RecordingWindow* window = nullptr;
	EncoderView* view = nullptr;
};

const std::vector<std::string> kBitrateLabels = {"112 kbps", "128 kbps", "160 kbps",
                                                 "192 kbps", "256 kbps", "350 kbps"};

} // namespace

TEST_F(EncoderViewTest, StartsWithDefaultMarkedInARadioMenu)
{
	Build();
	ViewState page = user.View(kTitle, "Opzioni di Oggenc");
	EXPECT_EQ(page.frame, kPage);
	EXPECT_EQ(page.resizingMode, (uint32)B_FOLLOW_NONE);
	EXPECT_EQ(page.flags, 0u);
	EXPECT_EQ(page.viewColor, ui_color(B_PANEL_BACKGROUND_COLOR));

	ViewState field = user.View(kTitle, "BitrateField");
	EXPECT_EQ(field.label, "Bit rate approssimativo:");
	EXPECT_EQ(field.menuLabel, "Default") << "the field shows the marked item";
	EXPECT_EQ(field.resizingMode, (uint32)(B_FOLLOW_LEFT | B_FOLLOW_TOP));
	EXPECT_EQ(field.flags, (uint32)(B_WILL_DRAW | B_NAVIGABLE));
	ASSERT_EQ(field.menu.size(), 8u);
	EXPECT_EQ(field.menu[0].label, "Default");
	EXPECT_TRUE(field.menu[0].marked);
	EXPECT_TRUE(field.menu[1].separator);
	for (size_t index = 0; index < kBitrateLabels.size(); index++) {
		EXPECT_EQ(field.menu[index + 2].label, kBitrateLabels[index]);
		EXPECT_FALSE(field.menu[index + 2].marked);
	}

	ViewState extra = user.View(kTitle, "ExtraParam");
	EXPECT_EQ(extra.label, "Altri parametri:");
	EXPECT_EQ(extra.text, "");
	EXPECT_EQ(extra.resizingMode, (uint32)(B_FOLLOW_LEFT_RIGHT | B_FOLLOW_TOP));
	EXPECT_EQ(extra.flags, (uint32)(B_WILL_DRAW | B_NAVIGABLE));

	ASSERT_TRUE(window->Lock());
	EXPECT_EQ(view->CountChildren(), 2);
	EXPECT_EQ(view->ChildAt(0), view->bitrateField);
	EXPECT_EQ(view->ChildAt(1), view->extraParam);
	EXPECT_EQ(view->bitrateField->Menu(), view->bitrateMenu);
	EXPECT_EQ(std::string(view->bitrateMenu->Name()), "Bitrate");
	EXPECT_TRUE(view->bitrateMenu->IsRadioMode());
	EXPECT_TRUE(view->bitrateMenu->IsLabelFromMarked());
	EXPECT_FALSE(view->bitrateMenu->AreTriggersEnabled());
	EXPECT_EQ(view->bitrateMenu->Layout(), B_ITEMS_IN_COLUMN);
	EXPECT_EQ(view->extraParam->ModificationMessage(), nullptr);
	EXPECT_EQ(view->extraParam->Message(), nullptr);
	window->Unlock();
	EXPECT_EQ(Before(), "");
}

// The rules place the controls from their preferred sizes, so they must hold
// whatever the font.
TEST_P(EncoderViewTest, PlacesTheControlsByTheirRules)
{
	const FixedFont& font = GetParam();
	Build(font);
	float right = kPage.Width();
	BRect field = user.View(kTitle, "BitrateField").frame;
	EXPECT_EQ(field.LeftTop(), BPoint(0, 0));
	EXPECT_EQ(field.Height(), std::ceil(font.height.ascent + font.height.descent) + 8)
	    << "the field's preferred height";
	EXPECT_EQ(user.View(kTitle, "BitrateField").divider, 117);

	ViewState extra = user.View(kTitle, "ExtraParam");
	BTextControl twin(BRect(0, 0, right, 1), "Twin", "Altri parametri:", "", nullptr);
	EXPECT_EQ(extra.frame,
	          BRect(0, field.bottom + 6, right, field.bottom + 6 + twin.Bounds().Height()));
	EXPECT_EQ(extra.divider, 115);

	ASSERT_TRUE(window->Lock());
	BTextView* text = view->extraParam->TextView();
	EXPECT_EQ(text->Frame().Width(), right - 124);
	EXPECT_EQ(text->MaxBytes(), 128);
	window->Unlock();
}

INSTANTIATE_TEST_SUITE_P(Fonts, EncoderViewTest,
                         testing::Values(FixedFont::Reference(), kLargeFont));

TEST_F(EncoderViewTest, EveryBitrateWithAndWithoutExtraParameters)
{
	Build();
	const struct {
		std::string extra;
		std::string suffix;
	} extras[] = {
	    {"", ""},
	    {"-q 5", " -q 5"},
	    // Typed spaces stay, so a trailing one gives the encoder an empty
	    // argument: only the space added between the parts goes.
	    {" --downmix  \"a b\" ", "  --downmix  \"a b\" "},
	};
	for (const auto& extra : extras) {
		ASSERT_TRUE(user.SetText(kTitle, "ExtraParam", extra.extra));
		ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {"Default"}));
		std::string expected = extra.suffix.empty() ? "" : extra.suffix.substr(1);
		EXPECT_EQ(Before(), expected) << "Default with \"" << extra.extra << "\"";
		for (size_t index = 0; index < kBitrateLabels.size(); index++) {
			ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {kBitrateLabels[index]}));
			EXPECT_EQ(user.MarkedItem(kTitle, "BitrateField"), kBitrateLabels[index]);
			EXPECT_EQ(user.View(kTitle, "BitrateField").menuLabel, kBitrateLabels[index]);
			std::string bitrate = kBitrateLabels[index].substr(0, 3);
			EXPECT_EQ(Before(), "-b " + bitrate + extra.suffix)
			    << kBitrateLabels[index] << " with \"" << extra.extra << "\"";
			EXPECT_EQ(After(), "");
		}
	}
	EXPECT_EQ(log->Count(), 0u) << "choosing an item sends nothing: " << log->Codes();
}

TEST_F(EncoderViewTest, ExtraParametersStopAt128Bytes)
{
	Build();
	ASSERT_TRUE(user.ChooseMenuItem(kTitle, "BitrateField", {"350 kbps"}));
	std::string typed(127, 'a');
	ASSERT_TRUE(user.Type(kTitle, "ExtraParam", typed + "bcd"));
	EXPECT_EQ(user.View(kTitle, "ExtraParam").text, typed + "b") << "the 129th byte is refused";
	std::string before = Before();
	EXPECT_EQ(before.size(), 135u);
	EXPECT_EQ(before, "-b 350 " + typed + "b");

	// Text set by the program is cut too.
	ASSERT_TRUE(window->Lock());
	view->extraParam->SetText(std::string(300, 'z').c_str());
	window->Unlock();
	EXPECT_EQ(Before(), "-b 350 " + std::string(128, 'z'));
}
