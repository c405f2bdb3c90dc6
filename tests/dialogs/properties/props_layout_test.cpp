// The properties dialog's layout: in both modes and for every galaxy style,
// each caption shows whole in its control and each control lies inside its
// frame; controls that share a place show one at a time.
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dialogs/common/caption_fit.h"
#include "dialogs/properties/props_controls.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/screen.h"
#include "props_fixture.h"

namespace orbweave::testing {
namespace {

bool InsideItsFrame(const Control& control) {
    const Control* frame = control.Container();
    if (frame == nullptr || control.Kind() == ControlKind::Menu) return true;
    return control.Left() >= 0 && control.Top() >= 0 && control.Left() + control.Width() <= frame->Width() &&
           control.Top() + control.Height() <= frame->Height();
}

class PropsLayoutTest : public PropsDialogTest {
protected:
    void ExpectEveryRowFits(const std::string& state) {
        for (const ControlSpec& row : PropertiesControls()) {
            const Control& control = Get(row.name, row.index);
            EXPECT_TRUE(ListsGivenNames(control) || CaptionFits(control))
                << row.name << "(" << row.index << ") \"" << control.Caption() << "\" in " << state;
            EXPECT_TRUE(InsideItsFrame(control)) << row.name << "(" << row.index << ") in " << state;
        }
    }
};

// Universe mode shows the accept caption of 1572 twips, galaxy-properties
// mode the return caption of 2640 and the bold frame title; each style
// relabels the galaxy frame's rows.
TEST_F(PropsLayoutTest, EveryCaptionFitsAndEveryControlLiesInsideItsFrame) {
    ASSERT_EQ(ScreenTwipsPerPixelX(), 15);
    Open();
    ExpectEveryRowFits("universe mode");

    ASSERT_TRUE(Get<ListBox>("lstUniGalaxy").SetListIndex(0));
    Dialog().cmdGalProps_Click();
    ASSERT_TRUE(Dialog().GalaxyPropsMode());
    // The bold blue title is the frame's alone; its controls keep the dialog's look.
    EXPECT_TRUE(Get("fraAni", 0).Font().bold);
    EXPECT_FALSE(Get("lblGalStyle").Font().bold);
    EXPECT_EQ(Get("lblGalStyle").ForeColor(), 0);
    for (int style = 0; style < kGalaxyStyleCount; ++style) {
        Get<ComboBox>("cboGalStyle").SetListIndex(style);
        ExpectEveryRowFits("galaxy style " + std::to_string(style));
    }
    // A page that was disabled when the title turned bold shows its text
    // normally once it is selected.
    Get<ComboBox>("cboGalaxExtras").SetListIndex(1);
    const QPalette page = Get("fraGalProp", 1).Widget()->palette();
    EXPECT_NE(page.color(QPalette::Active, QPalette::WindowText), page.color(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(PropsLayoutTest, OnlyTheValueBoxOfThePropertyCopyShowsBeforeAPropertyIsChosen) {
    Open();
    EXPECT_EQ(Get<ComboBox>("cboPropCopyList").ListIndex(), -1);
    EXPECT_TRUE(Get("txtPropCopy").Visible());
    EXPECT_TRUE(Get("lblPropCopy").Visible());
    EXPECT_FALSE(Get("cboPropCopy").Visible());
    EXPECT_FALSE(Get("chkPropCopy").Visible());
}

}  // namespace
}  // namespace orbweave::testing
