// The galaxy levels editor, and the preview every editor shares.
#include <QWidget>

#include "dialogs/editors/levels_dialog.h"
#include "editor_fixture.h"
#include "renderer/display/animation_guard.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 3;

struct LevelFields {
    std::int16_t levels;
    std::int32_t step;
    float height;
    std::int16_t flags[3];
    std::int32_t radius;
    std::int32_t distance;
    bool operator==(const LevelFields&) const = default;
};

LevelFields Fields(const UniGalaxy& r) {
    return {r.Galaxy_StdLevels,  r.Galaxy_StdLevDRad,
            r.Galaxy_StdLevHSca, {r.Galaxy_StdLevB_HS, r.Galaxy_StdLevB_A0, r.Galaxy_StdLevB_A1},
            r.Galaxy_Radius,     r.Galaxy_Distance};
}

class LevelsEditorTest : public EditorTest {
protected:
    Form& OpenLevels() { return Open<LevelsDialog>(kType); }
    UniGalaxy& Record() { return UniGalaxies[kType]; }
};

TEST_F(LevelsEditorTest, CaptionsNameTheGalaxyType) {
    Form& form = OpenLevels();
    EXPECT_EQ(form.Caption(), "Galaxy Levels:  Spiral Test");
    EXPECT_EQ(form.Get("fraPreview").Caption(), "Levels Preview - Spiral Test");
}

TEST_F(LevelsEditorTest, EmptyBoxesStoreTheirLowBoundsAndOkWritesThePropertiesBoxes) {
    Form& form = OpenLevels();
    form.SetText("txtLevel", 0, "");
    form.SetText("txtLevel", 1, "");
    form.SetText("txtLevel", 2, "");
    form.SetText("txtGalaxy", 0, "2500");
    form.SetText("txtGalaxy", 1, "45000");
    form.SetValue("chkToggle", 1, 1);
    Click(form, "cmdOK");
    EXPECT_EQ(Record().Galaxy_StdLevels, 1);
    EXPECT_EQ(Record().Galaxy_StdLevDRad, 1);
    EXPECT_EQ(Record().Galaxy_StdLevHSca, 0.0f);
    EXPECT_EQ(Record().Galaxy_StdLevB_A0, 1);
    EXPECT_EQ(Record().Galaxy_Radius, 2500);
    EXPECT_EQ(Record().Galaxy_Distance, 30000);
    EXPECT_EQ(Text(props, "txtGalaxy", 9), "1");
    EXPECT_EQ(Text(props, "txtGalaxy", 0), "2500");
    EXPECT_EQ(Text(props, "txtGalaxy", 2), "30000");
    EXPECT_FALSE(LevelsDialog::Instance().Loaded());
}

TEST_F(LevelsEditorTest, LeavingABoxClampsItIntoItsOwnRange) {
    Form& form = OpenLevels();
    // The frame says 0 - 30,000, but a radius of 0 is refused.
    Enter(form, "txtGalaxy", 0, "0");
    EXPECT_EQ(Text(form, "txtGalaxy", 0), "1");
    Enter(form, "txtLevel", 0, "12");
    EXPECT_EQ(Text(form, "txtLevel", 0), "10");
    Enter(form, "txtLevel", 2, "150.5");
    EXPECT_EQ(Text(form, "txtLevel", 2), "99.9");
}

TEST_F(LevelsEditorTest, APreviewLocksTheEditorAndLeavesTheStoredRecordAlone) {
    Form& form = OpenLevels();
    const LevelFields before = Fields(Record());
    form.SetText("txtLevel", 0, "7");
    form.SetText("txtGalaxy", 1, "1234");
    LevelFields storedDuring{};
    bool lockedDuring = false;
    AtFrame(3, [&] {
        storedDuring = Fields(Record());
        lockedDuring = !form.Get("cmdOK").Enabled() && form.CancelButton() == &form.Get("cmdPreview");
        EXPECT_EQ(form.Get("cmdPreview").Caption(), "Stop");
        Click(form, "cmdPreview");
    });
    Click(form, "cmdPreview");
    EXPECT_EQ(pumps, 3);
    EXPECT_EQ(storedDuring, before);
    EXPECT_TRUE(lockedDuring);
    EXPECT_EQ(Fields(Record()), before);
    EXPECT_EQ(form.Get("cmdPreview").Caption(), "Preview");
    EXPECT_TRUE(form.Get("cmdOK").Enabled());
    EXPECT_EQ(form.CancelButton(), &form.Get("cmdDismiss"));
    Click(form, "cmdDismiss");
    EXPECT_EQ(Fields(Record()), before);
}

TEST_F(LevelsEditorTest, ClosingFromTheTitleBarDuringAPreviewWaitsForTheRecordToComeBack) {
    Form& form = OpenLevels();
    const LevelFields before = Fields(Record());
    form.SetText("txtLevel", 1, "4321");
    bool stillLoaded = false;
    AtFrame(2, [&] {
        form.Window()->close();
        stillLoaded = LevelsDialog::Instance().Loaded();
    });
    Click(form, "cmdPreview");
    EXPECT_TRUE(stillLoaded);
    EXPECT_LE(pumps, 3);
    EXPECT_FALSE(LevelsDialog::Instance().Loaded());
    EXPECT_EQ(Fields(Record()), before);
}

TEST_F(LevelsEditorTest, ASecondPreviewClickWhileAStoppedPreviewUnwindsStartsNothing) {
    Form& form = OpenLevels();
    const std::int16_t levels = Record().Galaxy_StdLevels;
    std::int16_t afterSecondClick = 0;
    AtFrame(2, [&] {
        Click(form, "cmdPreview");  // Stop
        form.SetText("txtLevel", 0, "9");
        Click(form, "cmdPreview");  // still "Stop" while the display unwinds
        afterSecondClick = Record().Galaxy_StdLevels;
    });
    Click(form, "cmdPreview");
    EXPECT_NE(afterSecondClick, 9);
    EXPECT_EQ(Record().Galaxy_StdLevels, levels);
    EXPECT_EQ(form.Get("cmdPreview").Caption(), "Preview");
}

TEST_F(LevelsEditorTest, APreviewThatCannotStartLeavesTheEditorIdle) {
    Form& form = OpenLevels();
    const LevelFields before = Fields(Record());
    {
        const AnimationGuard otherAnimation;
        Click(form, "cmdPreview");
    }
    EXPECT_EQ(pumps, 0);
    EXPECT_EQ(form.Get("cmdPreview").Caption(), "Preview");
    EXPECT_TRUE(form.Get("txtLevel", 0).Enabled());
    EXPECT_EQ(form.CancelButton(), &form.Get("cmdDismiss"));
    EXPECT_EQ(Fields(Record()), before);
}

// Each editor springs back to its minimum client area in the direction
// that was too small, and stretches its preview to the rest.
TEST_F(EditorTest, EditorsKeepTheirMinimumClientAreaAndStretchThePreview) {
    struct Row {
        Form& form;
        int minWidth;
        int minHeight;
    };
    Row rows[] = {
        {Open<LevelsDialog>(0), 8400, 4230}, {Open<MoleculeDialog>(0), 8820, 6420}, {Open<IfsDialog>(0), 7560, 5700}};
    for (Row& row : rows) {
        SCOPED_TRACE(row.form.Name());
        row.form.SetClientSize(6000, row.minHeight + 900);
        EXPECT_EQ(row.form.ScaleWidth(), row.minWidth);
        EXPECT_EQ(row.form.ScaleHeight(), row.minHeight + 900);
        const Control& frame = row.form.Get("fraPreview");
        EXPECT_EQ(frame.Top() + frame.Height(), row.minHeight + 900 - 45);
        EXPECT_EQ(frame.Left() + frame.Width(), row.minWidth - 75);
    }
}

}  // namespace
}  // namespace orbweave::testing
