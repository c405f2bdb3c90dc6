// The properties dialog's two previews, run from a small form that holds the
// controls they read.
#include "dialogs/properties/dialog_previews.h"

#include <string>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "dialogs/common/control_names.h"
#include "dialogs/common/preview_universe.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "renderer/display/display_settings.h"
#include "renderer/universe_test_support.h"
#include "settings/universe_values.h"

namespace orbweave::testing {
namespace {

class DialogPreviewTest : public UniverseTest {
protected:
    void SetUp() override {
        UniverseTest::SetUp();
        PreviewUniverseInputs() = inputs;
        for (const UniverseValue& value : kUniverseValues) AddControlFor(value);
        for (const UniverseValue& value : kUniverseBlendLevels) AddControlFor(value);
        dialog.AddControl({"lstUniGalaxy", kNoIndex, ControlKind::ListBox, {}, 0, 0, 600, 900, ""});
        dialog.AddControl({"lstCompGalaxy", kNoIndex, ControlKind::ListBox, {}, 0, 0, 600, 900, ""});
        for (int i = 0; i < 52; ++i) dialog.Find<ComboBox>("cboUniProfile")->AddItem("profile");
        for (int i = 0; i < kGalaxyTypeCount; ++i) dialog.Find<ListBox>("lstUniGalaxy")->AddItem("type");
        for (int i = 0; i < kCompGalaxyCount; ++i) dialog.Find<ListBox>("lstCompGalaxy")->AddItem("composite");
        // A small universe, so the preview starts quickly.
        Set("Universe_Stars", "200");
        Set("Universe_Galaxy", "3");
        Set("Universe_ESteps", "3");
        Set("Universe_GSteps", "3");
    }
    void AddControlFor(const UniverseValue& value) {
        ControlKind kind = ControlKind::TextBox;
        if (value.type == UniverseValueType::Flag) kind = ControlKind::CheckBox;
        if (value.type == UniverseValueType::Int16 || value.type == UniverseValueType::Text) {
            kind = ControlKind::ComboBox;
        }
        const ControlRef c = ControlOf(value.control);
        const std::string text = DefaultText(value);
        dialog.AddControl({c.name,
                           c.index,
                           kind,
                           {},
                           0,
                           0,
                           600,
                           300,
                           text,
                           value.type == UniverseValueType::Text ? kStyleEditable : 0u});
    }
    void Set(std::string_view name, std::string_view text) {
        const UniverseValue* value = FindUniverseValue(name);
        ASSERT_NE(value, nullptr) << name;
        const ControlRef c = ControlOf(value->control);
        ASSERT_TRUE(dialog.SetText(c.name, c.index, text));
    }
    void PreviewUniverse() { PreviewUniverseFromDialog(dialog, picture); }
    void PreviewGalaxy(bool composite) { PreviewGalaxyFromDialog(dialog, picture, composite); }
    static UniverseSettings& Previewed() { return PreviewUniverseInputs().values; }

    Form dialog{"frmProps"};
    WindowTarget picture{window, 64, 48};
};

TEST_F(DialogPreviewTest, GalaxyPreviewNeedsASelection) {
    PreviewGalaxy(false);
    PreviewGalaxy(true);
    EXPECT_EQ(window->PresentCount(), 0);
}

TEST_F(DialogPreviewTest, GalaxyPreviewShowsTheSelectedTypeWithTheDialogsStarCount) {
    dialog.SetListIndex("lstUniGalaxy", kNoIndex, 4);
    Set("Universe_Stars", "5");
    StopAfter(3);
    PreviewGalaxy(false);
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(Previewed().Universe_Stars, 10);
}

TEST_F(DialogPreviewTest, UniversePreviewTakesTheControlsClamped) {
    Set("Universe_NewFreq", "12000");
    Set("Universe_GravForce", "50");
    dialog.SetText("txtBlend", 0, "150");
    dialog.SetValue("chkVisitSeq", kNoIndex, 1);
    dialog.SetText("cboTourGalaxies", kNoIndex, "3 51");
    StopAfter(2);
    PreviewUniverse();
    EXPECT_EQ(pumps, 2);
    EXPECT_EQ(Previewed().Universe_Stars, 200);
    EXPECT_EQ(Previewed().Universe_Galaxy, 3);
    EXPECT_EQ(Previewed().Universe_NewFreq, 9999);
    EXPECT_EQ(Previewed().DX_BlendUniBurst, 100.0f);
    EXPECT_TRUE(Previewed().Universe_GVisit);
    EXPECT_EQ(PreviewUniverseInputs().tour.TourCount, 2);
    // The values stay set: a galaxy preview now shows no comets.
    EXPECT_GT(Previewed().Universe_GravForce, 0.0f);
}

TEST_F(DialogPreviewTest, BothPreviewsDrawWithTheDialogsUnsavedDisplayChoices) {
    SaveSettingValue("DirectX", "DX_VertOffset", "4");
    dialog.AddControl({"cboVertOffset", kNoIndex, ControlKind::ComboBox, {}, 0, 0, 600, 300, ""});
    dialog.AddControl({"cboRGB16bbp", kNoIndex, ControlKind::ComboBox, {}, 0, 0, 600, 300, ""});
    dialog.Find<ComboBox>("cboVertOffset")->AddItem("-3");
    dialog.Find<ComboBox>("cboRGB16bbp")->AddItem("5-6-5");
    dialog.SetListIndex("cboVertOffset", kNoIndex, 0);
    dialog.SetListIndex("cboRGB16bbp", kNoIndex, 0);
    StopAfter(1);
    PreviewUniverse();
    EXPECT_EQ(displaySettings.VertOffset, -3);
    EXPECT_EQ(displaySettings.RGB16Mode, 0);
    dialog.SetListIndex("lstUniGalaxy", kNoIndex, 4);
    displaySettings.VertOffset = 0;
    StopAfter(1);
    PreviewGalaxy(false);
    EXPECT_EQ(displaySettings.VertOffset, -3);
}

TEST_F(DialogPreviewTest, ABoxTheReadingRefusesLeavesItsValue) {
    Set("Universe_GSteps", "many");
    // The box takes up to 99999, but the preview reads a 16-bit number.
    Set("Universe_AmMaxExt", "50000");
    Previewed().Universe_GSteps = 7;
    Previewed().Universe_AmMaxExt = 700;
    StopAfter(1);
    PreviewUniverse();
    EXPECT_EQ(Previewed().Universe_GSteps, 7);
    EXPECT_FLOAT_EQ(Previewed().Universe_AmMaxExt, 7.0f);  // in run units
}

// The previews share one record: a preview that runs leaves its values in
// it, one that is refused because another animation runs leaves it alone.
TEST_F(DialogPreviewTest, AUniversePreviewRefusedDuringAnotherLeavesTheSharedValues) {
    Set("Universe_Galaxy", "3");
    dialog.SetText("cboTourGalaxies", kNoIndex, "3 51");
    dialog.SetListIndex("lstUniGalaxy", kNoIndex, 4);
    UniverseInputs during;
    onPump = [&] {
        if (pumps != 1) return;
        PreviewUniverse();
        during = PreviewUniverseInputs();
        runState.StopRequested = true;
    };
    PreviewGalaxy(false);
    EXPECT_EQ(during.values.Universe_Galaxy, 1);  // as the galaxy preview set it
    EXPECT_EQ(during.tour.TourCount, 0);
    EXPECT_EQ(pumps, 1);
}

TEST_F(DialogPreviewTest, TheHueWheelIsRebuiltOnlyWhenBothBoxesHoldNumbers) {
    Set("Universe_HW_Start", "x");
    Set("Universe_HW_End", "20");
    StopAfter(1);
    PreviewUniverse();
    EXPECT_EQ(colourTables.UniverseHueRamp[7], HueToPixelColor(170));
    Set("Universe_HW_Start", "10");
    StopAfter(1);
    PreviewUniverse();
    EXPECT_EQ(colourTables.UniverseHueRamp[7], HueToPixelColor(10));
}

}  // namespace
}  // namespace orbweave::testing
