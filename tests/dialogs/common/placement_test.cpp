// A dialog's placement in the settings store, and switching its controls off
// while a preview runs.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "dialogs/common/control_enabling.h"
#include "dialogs/common/placement.h"
#include "platform/forms/form.h"
#include "platform/forms/form_test_tables.h"
#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"

namespace orbweave {
namespace {

constexpr std::string_view kSection = "General\\Main";

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(form.Build(testing::kWindowUtilsTable).empty()); }

    testing::ScopedConfig config;
    Form form{"frmTest"};
};

TEST_F(PlacementTest, PlacementRoundTrips) {
    form.Move(1500, 900, 6000, 4500);
    SaveFormPlacement(form, kSection);
    EXPECT_EQ(GetSettingString(kSection, "WindowState"), "0");
    EXPECT_EQ(GetSettingString(kSection, "WindowSize"), "01500009000600004500");
    Form restored("frmTest");
    RestoreFormPlacement(restored, kSection);
    EXPECT_EQ(restored.Left(), 1500);
    EXPECT_EQ(restored.Top(), 900);
    EXPECT_EQ(restored.Width(), 6000);
    EXPECT_EQ(restored.Height(), 4500);
}

TEST_F(PlacementTest, ANegativePositionIsStoredAndRestoredAsZero) {
    form.Move(-60, 300, 3000, 3000);
    SaveFormPlacement(form, kSection);
    EXPECT_EQ(GetSettingString(kSection, "WindowSize").substr(0, 5), "00000");
    RestoreFormPlacement(form, kSection);
    EXPECT_EQ(form.Left(), 0);
}

TEST_F(PlacementTest, EachSizeFieldIsClampedToFiveDigits) {
    form.Move(0, 0, 3000, 3000);
    ASSERT_TRUE(form.Window()->geometry().isValid());
    form.Window()->resize(7000, 200);  // 105000 twips wide
    SaveFormPlacement(form, kSection);
    EXPECT_EQ(GetSettingString(kSection, "WindowSize"), "00000000009999903000");
}

TEST_F(PlacementTest, AMinimisedWindowKeepsItsStoredSize) {
    SaveSettingValue(kSection, "WindowSize", "00015000150300003000");
    form.SetState(1);
    SaveFormPlacement(form, kSection);
    EXPECT_EQ(GetSettingString(kSection, "WindowState"), "0");
    EXPECT_EQ(GetSettingString(kSection, "WindowSize"), "00015000150300003000");
}

TEST_F(PlacementTest, AMissingStateCentresTheWindow) {
    form.Move(0, 0, 3000, 1500);
    RestoreFormPlacement(form, kSection);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.Left(), (screen.width() * 15 - 3000) / 2);
    EXPECT_EQ(form.Top(), (screen.height() * 15 - 1500) / 2);
}

TEST_F(PlacementTest, AStoredMaximisedStateIgnoresTheStoredSize) {
    form.Move(300, 300, 3000, 3000);
    SaveSettingValue(kSection, "WindowState", "2");
    SaveSettingValue(kSection, "WindowSize", "00015000150600006000");
    RestoreFormPlacement(form, kSection);
    EXPECT_EQ(form.State(), WindowState::Maximized);
}

TEST_F(PlacementTest, AFixedBorderGetsOnlyItsPositionBack) {
    form.SetSizable(false);
    form.Move(0, 0, 3000, 1500);
    SaveSettingValue(kSection, "WindowState", "0");
    SaveSettingValue(kSection, "WindowSize", "06000004500900009000");
    RestoreFormPlacement(form, kSection);
    EXPECT_EQ(form.Left(), 6000);
    EXPECT_EQ(form.Top(), 450);
    EXPECT_EQ(form.Width(), 3000);
    EXPECT_EQ(form.Height(), 1500);
}

// A stored place that no longer fits (a smaller screen, a larger font since)
// is moved in as far as it sticks out; a stored size larger than the screen
// is reduced to it.
TEST_F(PlacementTest, ARestoredWindowIsMovedWhollyInsideTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int areaWidth = area.width() * 15;
    const int areaHeight = area.height() * 15;
    struct Row {
        const char* what;
        int left, top, width, height;
        bool sizable;
    };
    for (const Row& row : {
             Row{"far off", 99000, 99000, 3000, 3000, true},
             Row{"sticking out right and below", areaWidth - 1500, areaHeight - 600, 3000, 3000, true},
             Row{"fixed size sticking out", areaWidth - 1500, 300, 3000, 1500, false},
             Row{"wider than the screen", 600, 600, areaWidth + 3000, 3000, true},
             Row{"taller than the screen", 600, 600, 3000, areaHeight + 3000, true},
             Row{"larger than the screen both ways", 600, 600, areaWidth + 3000, areaHeight + 3000, true},
         }) {
        Form restored("frmTest");
        ASSERT_TRUE(restored.Build(testing::kWindowUtilsTable).empty());
        restored.SetSizable(row.sizable);
        restored.Move(0, 0, 3000, 1500);
        SaveSettingValue(kSection, "WindowState", "0");
        char stored[24];
        std::snprintf(stored, sizeof stored, "%05d%05d%05d%05d", row.left, row.top, row.width, row.height);
        SaveSettingValue(kSection, "WindowSize", stored);
        RestoreFormPlacement(restored, kSection);
        const QRect frame = restored.Window()->frameGeometry();
        // Moved no further than it takes.
        const int left = frame.width() <= area.width() ? std::min(row.left / 15, area.right() + 1 - frame.width())
                                                        : area.left();
        const int top = frame.height() <= area.height() ? std::min(row.top / 15, area.bottom() + 1 - frame.height())
                                                         : area.top();
        EXPECT_EQ(frame.topLeft(), QPoint(left, top)) << row.what;
        EXPECT_EQ(frame.size(), QSize(row.width / 15, row.height / 15).boundedTo(area.size())) << row.what;
    }
}

TEST_F(PlacementTest, AShortStoredSizeReadsMissingFieldsAsZero) {
    SaveSettingValue(kSection, "WindowState", "0");
    SaveSettingValue(kSection, "WindowSize", "0030000600");
    RestoreFormPlacement(form, kSection);
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 600);
}

TEST_F(PlacementTest, EnableFormControlsKeepsFramesTheNamedControlAndTheMenuArrays) {
    EnableFormControls(form, true, "cmdPreview");
    EXPECT_TRUE(form.Find("fraOuter")->Enabled());
    EXPECT_TRUE(form.Find("cmdPreview")->Enabled());
    EXPECT_TRUE(form.Find("mnuFileArray", 0)->Enabled());
    EXPECT_FALSE(form.Find("mnuFile")->Enabled());
    EXPECT_FALSE(form.Find("cmdOK")->Enabled());
    EXPECT_FALSE(form.Find("txtDeep")->Enabled());
    EnableFormControls(form, false, "cmdPreview");
    for (const Control* control : form.Controls()) EXPECT_TRUE(control->Enabled()) << control->Name();
}

}  // namespace
}  // namespace orbweave
