// One galaxy on its own, and the properties dialog's two previews, run from
// a small form that holds the controls they read.
#include <memory>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "renderer/galaxy/galaxy_display.h"
#include "settings/universe_values.h"
#include "renderer/universe_test_support.h"

namespace orbweave::testing {
namespace {

// --- The galaxy display ---

TEST_F(UniverseTest, AFrameLimitDrawsExactlyThatManyFrames) {
    RunGalaxyDisplay(4, 1, 30, 100, false, 1.0f);
    EXPECT_EQ(window->PresentCount(), 30);
    EXPECT_EQ(pumps, 29);  // the last frame returns without pacing
    EXPECT_FALSE(StopRequested);
}

TEST_F(UniverseTest, AFrameLimitOfZeroIsNoLimit) {
    StopAfter(12);
    RunGalaxyDisplay(4, 1, 0, 100, false, 1.0f);
    EXPECT_EQ(pumps, 12);
}

TEST_F(UniverseTest, StarCountIsScaledAndAtLeastOne) {
    RunGalaxyDisplay(2, 1, 1, 7, true, 1.5f);
    EXPECT_EQ(Universe.Universe_Stars, 10);  // 10.5, halves to even
    EXPECT_EQ(Universe.Universe_Galaxy, 1);
    RunGalaxyDisplay(2, 1, 1, 0, false, 1.0f);
    EXPECT_EQ(Universe.Universe_Stars, 1);
    EXPECT_EQ(window->PresentCount(), 2);
}

// --- The dialog's previews ---

// The preview box of a dialog.
class DialogPicture final : public DrawingTarget {
public:
    DialogPicture(std::shared_ptr<display::MemoryWindow> window, Form& dialog)
        : window_(std::move(window)), dialog_(dialog) {}
    std::string Name() const override { return "picPreview"; }
    std::shared_ptr<display::Window> DisplayWindow() const override { return window_; }
    double InnerWidth() const override { return 64; }
    double InnerHeight() const override { return 48; }
    Form* ParentForm() const override { return &dialog_; }

private:
    std::shared_ptr<display::MemoryWindow> window_;
    Form& dialog_;
};

class DialogPreviewTest : public UniverseTest {
protected:
    void SetUp() override {
        UniverseTest::SetUp();
        for (const UniverseValue& value : kUniverseValues) {
            ControlKind kind = ControlKind::TextBox;
            if (value.type == UniverseValueType::Flag) kind = ControlKind::CheckBox;
            if (value.type == UniverseValueType::Int16 || value.type == UniverseValueType::Text) {
                kind = ControlKind::ComboBox;
            }
            dialog.AddControl({value.control, value.controlIndex, kind, {}, 0, 0, 600, 300, value.defaultText,
                               value.type == UniverseValueType::Text ? kStyleEditable : 0u});
        }
        dialog.AddControl({"txtBlend", 0, ControlKind::TextBox, {}, 0, 0, 600, 300, "100"});
        dialog.AddControl({"txtBlend", 1, ControlKind::TextBox, {}, 0, 0, 600, 300, "35"});
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
    void Set(std::string_view name, std::string_view text) {
        for (const UniverseValue& value : kUniverseValues) {
            if (value.name == name) {
                ASSERT_TRUE(dialog.SetText(value.control, value.controlIndex, text));
            }
        }
    }
    Form dialog{"frmProps"};
};

TEST_F(DialogPreviewTest, GalaxyPreviewNeedsASelection) {
    PreviewGalaxyFromDialog(DialogPicture(window, dialog), false);
    PreviewGalaxyFromDialog(DialogPicture(window, dialog), true);
    EXPECT_EQ(window->PresentCount(), 0);
}

TEST_F(DialogPreviewTest, GalaxyPreviewShowsTheSelectedTypeWithTheDialogsStarCount) {
    dialog.SetListIndex("lstUniGalaxy", kNoIndex, 4);
    Set("Universe_Stars", "5");
    StopAfter(3);
    PreviewGalaxyFromDialog(DialogPicture(window, dialog), false);
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(Universe.Universe_Stars, 10);
}

TEST_F(DialogPreviewTest, UniversePreviewTakesTheControlsClamped) {
    Set("Universe_NewFreq", "12000");
    Set("Universe_GravForce", "50");
    dialog.SetText("txtBlend", 0, "150");
    dialog.SetValue("chkVisitSeq", kNoIndex, 1);
    dialog.SetText("cboTourGalaxies", kNoIndex, "3 51");
    StopAfter(2);
    PreviewUniverseFromDialog(DialogPicture(window, dialog));
    EXPECT_EQ(pumps, 2);
    EXPECT_EQ(Universe.Universe_Stars, 200);
    EXPECT_EQ(Universe.Universe_Galaxy, 3);
    EXPECT_EQ(Universe.Universe_NewFreq, 9999);
    EXPECT_EQ(Universe.DX_BlendUniBurst, 100.0f);
    EXPECT_TRUE(Universe.Universe_GVisit);
    EXPECT_EQ(TourCount, 2);
    // The values stay set: a galaxy preview now shows no comets.
    EXPECT_GT(Universe.Universe_GravForce, 0.0f);
}

TEST_F(DialogPreviewTest, ABoxWithoutANumberLeavesItsValue) {
    Set("Universe_GSteps", "many");
    Universe.Universe_GSteps = 7;
    StopAfter(1);
    PreviewUniverseFromDialog(DialogPicture(window, dialog));
    EXPECT_EQ(Universe.Universe_GSteps, 7);
}

}  // namespace
}  // namespace orbweave::testing
