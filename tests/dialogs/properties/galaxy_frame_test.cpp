// The galaxy frame's control table and layout, the switch between the two
// frames, and the theme and composite list handlers.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/properties/galaxy_frame_fixture.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/screen.h"
#include "platform/forms/service_recorder.h"

namespace orbweave {
namespace {

using GalaxyFrameControlsTest = testing::GalaxyFrameTest;

TEST(GalaxyFrameTable, BuildsEveryRow) {
    Form form("frmProps");
    for (const SkippedRow& skipped : form.Build(GalaxyFrameControls())) ADD_FAILURE() << Describe(skipped);
    EXPECT_EQ(form.Controls().size(), GalaxyFrameControls().size());
}

TEST_F(GalaxyFrameControlsTest, ShowsOneFrameBesideThePreviewAndResetsTheTheme) {
    ASSERT_EQ(ScreenTwipsPerPixelX(), 15);  // the offscreen screen has 96 dots per inch
    ServiceRecorder services;
    dialog.Get<ComboBox>("cboGalTheme").SetListIndex(5);
    const Control& galaxyFrame = dialog.Get("fraAni", 0);
    const Control& universeFrame = dialog.Get("fraAni", 1);

    ShowUniverseFrame(dialog, false);
    EXPECT_TRUE(galaxyFrame.Visible());
    EXPECT_FALSE(universeFrame.Visible());
    // The preview frame ends at 3990; 10 pixels on; down to 60 above the accept button's bottom (6585).
    EXPECT_EQ(galaxyFrame.Left(), 4140);
    EXPECT_EQ(galaxyFrame.Top(), 60);
    EXPECT_EQ(galaxyFrame.Width(), 4800);
    EXPECT_EQ(galaxyFrame.Height(), 6525);
    EXPECT_EQ(universeFrame.Left(), 9060);  // the hidden frame is not moved
    EXPECT_EQ(ListIndex("cboGalTheme"), 0);

    ShowUniverseFrame(dialog, true);
    EXPECT_FALSE(galaxyFrame.Visible());
    EXPECT_TRUE(universeFrame.Visible());
    EXPECT_EQ(universeFrame.Left(), 4140);
    EXPECT_EQ(universeFrame.Height(), 6525);
    EXPECT_EQ(services.busyStates, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(BusyPointerShown());
}

TEST_F(GalaxyFrameControlsTest, ThemeAppliesOnlyWithATypeSelectedAndARowChosen) {
    SetText("txtGalaxy", 0, "4444");
    dialog.Get<ComboBox>("cboGalTheme").SetListIndex(2);  // no galaxy type selected
    EXPECT_EQ(Text("txtGalaxy", 0), "4444");

    dialog.Get<ListBox>("lstUniGalaxy").SetListIndex(0);
    dialog.Get<ComboBox>("cboGalTheme").SetListIndex(0);
    EXPECT_EQ(Text("txtGalaxy", 0), "4444");

    dialog.Get<ComboBox>("cboGalTheme").SetListIndex(1);
    EXPECT_EQ(Text("txtGalaxy", 0), "300");
}

TEST_F(GalaxyFrameControlsTest, StyleListClickLaysOutTheFrame) {
    dialog.Get<ComboBox>("cboGalStyle").SetListIndex(8);
    EXPECT_TRUE(Shown("cmdIFS_Chem"));
    EXPECT_EQ(Caption("cmdIFS_Chem"), "User Defined Iterated Function System...");
    dialog.Get<ComboBox>("cboGalStyle").SetListIndex(9);
    EXPECT_EQ(Caption("cmdIFS_Chem"), "User Defined Molecular Structure...");
    EXPECT_FALSE(Shown("cboGalColor"));
}

struct CompositeCase {
    const char* what;
    int major;
    std::vector<int> minors;
    int ifsTypes;
};

// Factory styles: type 2 standard, 16 and 17 single-point IFS, 20 wireframe,
// 39 user-defined IFS, 42 molecular.
TEST_F(GalaxyFrameControlsTest, CompositeNameTurnsCyanWithTwoIfsTypes) {
    const CompositeCase cases[] = {
        {"no major type", -1, {16, 20}, 0},      {"user IFS major, wireframe minor", 39, {20}, 2},
        {"one IFS type", 39, {2, 42}, 1},        {"major also selected as minor", 16, {16}, 1},
        {"three IFS types", 2, {16, 17, 20}, 3},
    };
    const std::int32_t cyan = 0xFFFF00;
    for (const CompositeCase& c : cases) {
        auto& minor = dialog.Get<ListBox>("lstCompMinor");
        for (int j = 0; j < kGalaxyTypeCount; ++j) minor.SetSelected(j, false);
        for (int j : c.minors) minor.SetSelected(j, true);
        auto& major = dialog.Get<ComboBox>("cboCompMajor");
        major.SetListIndex(-1);
        major.SetListIndex(c.major);
        cboCompMajor_Click(dialog);
        EXPECT_EQ(CountIFSStyleTypes(dialog), c.ifsTypes) << c.what;
        EXPECT_EQ(dialog.Get("txtCompGalName").BackColor() == cyan, c.ifsTypes >= 2) << c.what;
    }
}

}  // namespace
}  // namespace orbweave
