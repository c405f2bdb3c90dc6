// Forms: control tables, lookup by name and index, the window in twips,
// showing modally and unloading.
#include <QTimer>

#include <gtest/gtest.h>

#include "forms_test_support.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"

namespace orbweave {
namespace {

using K = ControlKind;

constexpr ControlSpec kTable[] = {
    {"fraMain", kNoIndex, K::Frame, {}, 60, 60, 3945, 960, "Main"},
    {"txtGalaxy", 0, K::TextBox, {"fraMain"}, 120, 240, 600, 300, "1"},
    {"txtGalaxy", 12, K::TextBox, {"fraMain"}, 120, 600, 600, 300, "2"},
    {"txtGalaxy", 90, K::TextBox, {"fraMain"}, 900, 240, 600, 300, "3"},
    {"cmdAccept", kNoIndex, K::CommandButton, {}, 60, 6240, 1572, 345, "&Accept Settings"},
    {"chkTour", kNoIndex, K::CheckBox, {}, 60, 1200, 2000, 300, "Tour"},
    {"cboStyle", kNoIndex, K::ComboBox, {}, 60, 1600, 2000, 300, ""},
};

TEST(FormTable, FindsControlsByNameAndSparseIndex) {
    Form form("frmTest");
    ASSERT_TRUE(form.Build(kTable));
    EXPECT_EQ(form.Find("txtGalaxy", 12)->Text(), "2");
    EXPECT_EQ(form.Find("txtGalaxy", 90)->Text(), "3");
    EXPECT_EQ(form.Find("txtGalaxy", 5), nullptr);
    EXPECT_EQ(form.Find("txtMissing"), nullptr);
    EXPECT_EQ(form.Find<CheckBox>("cmdAccept"), nullptr);
    EXPECT_EQ(form.Find("txtGalaxy", 0)->Container(), form.Find("fraMain"));
}

TEST(FormTable, ListsControlsInTableOrderAndArraysByIndex) {
    Form form("frmTest");
    form.Build(kTable);
    ASSERT_EQ(form.Controls().size(), std::size(kTable));
    EXPECT_EQ(form.Controls()[1]->Name(), "txtGalaxy");
    std::vector<int> indexes;
    for (const Control* element : form.ControlArray("txtGalaxy")) indexes.push_back(element->Index());
    EXPECT_EQ(indexes, (std::vector<int>{0, 12, 90}));
}

TEST(FormTable, SkipsRowsThatDuplicateOrLackTheirContainer) {
    Form form("frmTest");
    constexpr ControlSpec kFaulty[] = {
        {"txtA", kNoIndex, K::TextBox, {}, 0, 0, 100, 100, "a"},
        {"txtA", kNoIndex, K::TextBox, {}, 0, 0, 100, 100, "again"},
        {"txtB", kNoIndex, K::TextBox, {"fraNowhere"}, 0, 0, 100, 100, "b"},
        {"txtC", kNoIndex, K::TextBox, {"txtA"}, 0, 0, 100, 100, "c"},
        {"lblD", kNoIndex, K::Label, {}, 0, 0, 100, 100, "d"},
    };
    EXPECT_FALSE(form.Build(kFaulty));
    EXPECT_EQ(form.Find("txtA")->Text(), "a");
    EXPECT_EQ(form.Find("txtB"), nullptr);
    EXPECT_EQ(form.Find("txtC"), nullptr);
    EXPECT_NE(form.Find("lblD"), nullptr);
}

TEST(FormTable, ByNameAccessReportsMissingControlsAndRefusedValues) {
    Form form("frmTest");
    form.Build(kTable);
    EXPECT_TRUE(form.SetText("txtGalaxy", 12, "44"));
    EXPECT_EQ(form.GetText("txtGalaxy", 12), "44");
    EXPECT_FALSE(form.SetText("txtGalaxy", 13, "44"));
    EXPECT_EQ(form.GetText("txtGalaxy", 13), std::nullopt);
    EXPECT_EQ(form.GetText("chkTour"), std::nullopt);
    EXPECT_FALSE(form.SetValue("chkTour", kNoIndex, 3));
    EXPECT_EQ(form.GetValue("chkTour"), 0);
    EXPECT_FALSE(form.SetListIndex("cboStyle", kNoIndex, 0));
    EXPECT_EQ(form.GetListIndex("cboStyle"), -1);
    EXPECT_FALSE(form.SetListIndex("txtGalaxy", 0, 0));
}

TEST(FormGeometry, MeasuresInTwipsOfWholePixels) {
    EXPECT_EQ(ScreenTwipsPerPixelX(), 15);
    EXPECT_EQ(ScreenTwipsPerPixelY(), 15);
    Form form("frmTest");
    form.Build(kTable);
    const Control& accept = *form.Find("cmdAccept");
    EXPECT_EQ(accept.Left(), 60);
    EXPECT_EQ(accept.Top(), 6240);
    EXPECT_EQ(accept.Width(), 1575);  // 104.8 pixels is shown as 105
    EXPECT_EQ(accept.Widget()->width(), 105);
}

TEST(FormGeometry, MovesTheWindowAndSizesItsClientArea) {
    Form form("frmTest");
    form.Move(1500, 750, 6000, 4500);
    EXPECT_EQ(form.Left(), 1500);
    EXPECT_EQ(form.Top(), 750);
    EXPECT_EQ(form.Width(), 6000);
    EXPECT_EQ(form.ScaleWidth(), 6000);
    form.SetClientSize(3000, 1500);
    EXPECT_EQ(form.ScaleWidth(), 3000);
    EXPECT_EQ(form.ScaleHeight(), 1500);
}

TEST(FormGeometry, KeepsTheClientAreaAtItsMinimum) {
    Form form("frmTest");
    form.SetMinimumClientSize(3000, 2250);
    form.SetClientSize(1500, 1500);
    EXPECT_EQ(form.ScaleWidth(), 3000);
    EXPECT_EQ(form.ScaleHeight(), 2250);
}

TEST(FormGeometry, RaisesResizeWhenTheSizeChanges) {
    Form form("frmTest");
    int resizes = 0;
    form.events.resize = [&] { ++resizes; };
    ASSERT_TRUE(testing::ShowActive(form));
    const int before = resizes;
    form.SetClientSize(4500, 3000);
    DoEvents();
    EXPECT_GT(resizes, before);
}

TEST(FormWindow, HasCaptionStateAndFontWidths) {
    Form form("frmTest");
    EXPECT_EQ(form.Caption(), "frmTest");
    form.SetCaption("Orbweave Properties");
    EXPECT_EQ(form.Caption(), "Orbweave Properties");
    EXPECT_TRUE(form.SetState(2));
    EXPECT_EQ(form.State(), WindowState::Maximized);
    EXPECT_FALSE(form.SetState(3));
    EXPECT_EQ(form.TextWidth(""), 0.0);
    EXPECT_GT(form.TextWidth("Galaxy"), form.TextWidth("G"));
}

TEST(FormShowing, ShowModalReturnsOnceUnloaded) {
    Form form("frmTest");
    QTimer::singleShot(0, [&] { form.Unload(); });
    form.ShowModal();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.IsModal());
}

TEST(FormShowing, QueryUnloadMayCancelAndTellsWhoAsked) {
    Form form("frmTest");
    std::vector<int> modes;
    bool refuse = true;
    form.events.queryUnload = [&](bool& cancel, int mode) {
        modes.push_back(mode);
        cancel = refuse;
    };
    form.Show();
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.Visible());
    form.Window()->close();
    EXPECT_TRUE(form.Visible());
    refuse = false;
    form.Window()->close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(modes, (std::vector<int>{kUnloadByCode, kUnloadByUser, kUnloadByUser}));
}

}  // namespace
}  // namespace orbweave
