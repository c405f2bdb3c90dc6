// The user-defined IFS editor: its grid made at load, themes, storing and
// its preview's refusal.
#include "dialogs/editors/ifs_dialog.h"
#include <QApplication>

#include "core/convert.h"
#include "dialogs/editors/ifs_themes.h"
#include "editor_fixture.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 20;
constexpr const char* kRowControls[] = {"lblPoint", "txtLocX",  "txtLocY",  "txtLocZ",
                                        "txtScale", "cboRAxis", "txtAngle", "txtPercent"};

class IfsEditorTest : public EditorTest {
protected:
    Form& OpenIfs() { return Open<IfsDialog>(kType); }
    IfsBlock& Ifs() { return UniGalaxies[kType].Ifs; }
    void SetRow(Form& form, int row, std::array<std::string_view, 6> boxes, int axis) {
        const char* names[] = {"txtLocX", "txtLocY", "txtLocZ", "txtScale", "txtAngle", "txtPercent"};
        for (int k = 0; k < 6; ++k) form.SetText(names[k], row, boxes[static_cast<std::size_t>(k)]);
        form.SetListIndex("cboRAxis", row, axis);
    }
};

TEST_F(IfsEditorTest, RowsMadeAtLoadFollowEachOtherInTabOrderAndPlace) {
    Form& form = OpenIfs();
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(form.Get(kRowControls[column], row).TabIndex(), 8 * row + 7 + column);
        EXPECT_EQ(form.Get("lblPoint", row).Caption(), "Point " + NumberToText(row + 1) + ":");
        EXPECT_EQ(form.Get<ComboBox>("cboRAxis", row).ListCount(), 3);
        if (row > 0) {
            const int step = form.Get("txtLocX", row).Top() - form.Get("txtLocX", row - 1).Top();
            EXPECT_NEAR(step, 1.2 * 285, 15);
            EXPECT_EQ(form.Get("txtPercent", row).Top(), form.Get("txtLocX", row).Top());
        }
    }
}

TEST_F(IfsEditorTest, AThemeWithFewerPointsLeavesTheOtherRowsEmpty) {
    Form& form = OpenIfs();
    SetRow(form, 3, {"1", "2", "3", "4", "5", "6"}, 2);
    form.SetListIndex("cboTheme", kNoIndex, 6);
    EXPECT_EQ(form.Get("lblTheme").Caption(), "Fractal Fern");
    EXPECT_EQ(Text(form, "txtLocY", 0), "1000");
    EXPECT_EQ(form.GetListIndex("cboRAxis", 0), 1);
    EXPECT_EQ(Text(form, "txtAngle", 1), "15");
    for (int row = 2; row < 5; ++row) {
        EXPECT_EQ(Text(form, "txtLocX", row), "");
        EXPECT_EQ(Text(form, "txtPercent", row), "");
        EXPECT_EQ(form.GetListIndex("cboRAxis", row), 0);
    }
    EXPECT_EQ(Text(form, "txtGalaxy", 1), "2500");
    form.SetListIndex("cboTheme", kNoIndex, 3);
    EXPECT_EQ(form.Get("lblTheme").Caption(), "Swirls of color pulled to the galaxy core");
    form.SetListIndex("cboTheme", kNoIndex, 0);
    Click(form, "cmdClear");
    EXPECT_EQ(Text(form, "txtCenter", 0), "");
    EXPECT_EQ(Text(form, "txtLocX", 1), "");
    EXPECT_EQ(Text(form, "txtGalaxy", 1), "2500");
    EXPECT_EQ(form.Get("lblTheme").Caption(), "Swirls of color pulled to the galaxy core");
}

TEST_F(IfsEditorTest, OnlyRowsWithAPercentAreStoredPackedToTheFront) {
    Form& form = OpenIfs();
    Click(form, "cmdClear");
    Ifs().IFS_X[4] = 77;
    SetRow(form, 1, {"10", "20", "30", "40", "50", "3"}, 1);
    SetRow(form, 3, {"11", "", "", "60", "400", "2"}, 2);
    SetRow(form, 4, {"12", "", "", "", "", "0"}, 0);
    Click(form, "cmdOK");
    EXPECT_EQ(Ifs().Galaxy_IFS_Points, 2);
    EXPECT_EQ(Ifs().IFS_X[0], 10);
    EXPECT_EQ(Ifs().IFS_Axis[0], 1);
    EXPECT_EQ(Ifs().IFS_X[1], 11);
    EXPECT_EQ(Ifs().IFS_Angle[1], 360);
    EXPECT_EQ(Ifs().IFS_Pct, (std::array<std::int16_t, 5>{3, 2, 0, 0, 0}));
    // The later transforms keep their other values.
    EXPECT_EQ(Ifs().IFS_X[4], 77);
    Form& reopened = Reopen<IfsDialog>(kType);
    EXPECT_EQ(Text(reopened, "txtLocX", 0), "10");
    EXPECT_EQ(Text(reopened, "txtLocX", 1), "11");
    EXPECT_EQ(reopened.GetListIndex("cboRAxis", 1), 2);
    EXPECT_EQ(Text(reopened, "txtLocX", 2), "");
}

TEST_F(IfsEditorTest, FewerThanTwoPointsShowTheNoteAndLeaveTheRecord) {
    Form& form = OpenIfs();
    const UniGalaxy before = UniGalaxies[kType];
    Click(form, "cmdClear");
    SetRow(form, 2, {"10", "20", "30", "40", "50", "3"}, 1);
    form.SetText("txtCenter", 0, "123");
    Click(form, "cmdOK");
    Click(form, "cmdPreview");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0],
              "Note:\n\nYou must specify two or more Attractor Points in order to Preview the I.F.S.  Consider "
              "selecting one of the Themes in order to see a sample I.F.S. or press Cancel to return to the "
              "Galaxy Settings.");
    EXPECT_EQ(pumps, 0);
    EXPECT_TRUE(IfsDialog::Instance().Loaded());
    EXPECT_EQ(UniGalaxies[kType].Ifs, before.Ifs);
    EXPECT_EQ(UniGalaxies[kType].Galaxy_Radius, before.Galaxy_Radius);
}

TEST_F(IfsEditorTest, LeavingBoxesClampsThemAndAStoredAxisOutsideItsListLoadsAsZ) {
    Ifs().IFS_Pct[0] = 5;
    Ifs().IFS_Axis[0] = 7;
    Form& form = OpenIfs();
    EXPECT_EQ(Text(form, "cboRAxis", 0), "Z");
    Enter(form, "txtAngle", 2, "999");
    EXPECT_EQ(Text(form, "txtAngle", 2), "360");
    Enter(form, "txtGalaxy", 0, "");
    EXPECT_EQ(Text(form, "txtGalaxy", 0), "0");
}

TEST_F(IfsEditorTest, APreviewOfAThemeLeavesTheRecordAndTheEmptyRowsAsTheyWere) {
    Form& form = OpenIfs();
    QApplication::setActiveWindow(form.Window());
    form.Get("cboTheme").SetFocus();
    form.SetListIndex("cboTheme", kNoIndex, 3);
    const UniGalaxy before = UniGalaxies[kType];
    IfsBlock storedDuring{};
    AtFrame(2, [&] {
        storedDuring = Ifs();
        Click(form, "cmdPreview");
    });
    Click(form, "cmdPreview");
    EXPECT_EQ(storedDuring, before.Ifs);
    EXPECT_EQ(UniGalaxies[kType].Ifs, before.Ifs);
    // Locking the editor left no box that was not being edited.
    EXPECT_EQ(Text(form, "txtLocX", 4), "");
    EXPECT_EQ(Text(form, "txtPercent", 4), "");
    EXPECT_EQ(form.Get("cmdPreview").Caption(), "Preview I.F.S.");
}

TEST(IfsThemes, EachThemeHasFortyTwoFieldsInPaddedPieces) {
    for (int theme = 1; theme <= kIfsThemeCount; ++theme) {
        SCOPED_TRACE(theme);
        const std::string text = GetIFSTheme(theme);
        const std::size_t description = text.find(',') + 1;
        EXPECT_EQ(text.size(), description + 7 * 45);
        EXPECT_NE(GetCSVField(text, 41), "");
        EXPECT_EQ(GetCSVField(text, 42), "");
    }
    EXPECT_EQ(GetIFSTheme(10).substr(GetIFSTheme(10).find(',') + 1, 45), "    0,    0,  750," + std::string(27, ' '));
    EXPECT_EQ(GetIFSTheme(11), "");
}

}  // namespace
}  // namespace orbweave::testing
