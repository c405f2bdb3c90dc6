// Forms: control tables, lookup by name and index, array handlers, the Tab
// order, the window in twips, showing modally and unloading.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"

namespace orbweave {
namespace {

using K = ControlKind;

TEST(FormTable, FindsControlsByNameAndSparseIndex) {
    Form form("frmTest");
    ASSERT_TRUE(form.Build(testing::kFormTable).empty());
    EXPECT_EQ(form.Find("txtGalaxy", 12)->Text(), "2");
    EXPECT_EQ(form.Find("txtGalaxy", 90)->Text(), "3");
    EXPECT_EQ(form.Find("txtGalaxy", 5), nullptr);
    EXPECT_EQ(form.Find("txtMissing"), nullptr);
    EXPECT_EQ(form.Find<CheckBox>("cmdAccept"), nullptr);
    EXPECT_EQ(form.Find("txtGalaxy", 0)->Container(), form.Find("fraMain"));
}

TEST(FormTable, ListsControlsInTableOrderAndArraysByIndex) {
    Form form("frmTest");
    form.Build(testing::kFormTable);
    ASSERT_EQ(form.Controls().size(), std::size(testing::kFormTable));
    EXPECT_EQ(form.Controls()[1]->Name(), "txtGalaxy");
    std::vector<int> indexes;
    for (const Control* element : form.ControlArray("txtGalaxy")) indexes.push_back(element->Index());
    EXPECT_EQ(indexes, (std::vector<int>{0, 12, 90}));
}

TEST(FormTable, ReportsTheRowsItSkippedAndWhy) {
    Form form("frmTest");
    constexpr ControlSpec kFaulty[] = {
        {"txtA", kNoIndex, K::TextBox, {}, 0, 0, 100, 100, "a"},
        {"txtA", kNoIndex, K::TextBox, {}, 0, 0, 100, 100, "again"},
        {"txtB", 4, K::TextBox, {"fraNowhere"}, 0, 0, 100, 100, "b"},
        {"txtC", kNoIndex, K::TextBox, {"txtA"}, 0, 0, 100, 100, "c"},
        {"lblD", kNoIndex, K::Label, {}, 0, 0, 100, 100, "d"},
        {"", kNoIndex, K::Label, {}, 0, 0, 100, 100, "nameless"},
        {"mnuE", kNoIndex, K::Menu, {"lblD"}, 0, 0, 0, 0, "E"},
    };
    const std::vector<SkippedRow> skipped = form.Build(kFaulty);
    std::vector<std::string> described;
    for (const SkippedRow& row : skipped) described.push_back(Describe(row));
    EXPECT_EQ(described, (std::vector<std::string>{
                             "txtA (row 1): the name and index are taken already",
                             "txtB(4) (row 2): its container does not exist",
                             "txtC (row 3): its container is not a frame (or, for a menu entry, not a menu)",
                             "row 5: the row names no control",
                             "mnuE (row 6): its container is not a frame (or, for a menu entry, not a menu)",
                         }));
    EXPECT_EQ(form.Find("txtA")->Text(), "a");
    EXPECT_NE(form.Find("lblD"), nullptr);
    EXPECT_EQ(form.Controls().size(), 2u);
}

TEST(FormTable, GetFailsLoudlyNamingTheControl) {
    Form form("frmTest");
    form.Build(testing::kFormTable);
    EXPECT_EQ(&form.Get<TextBox>("txtGalaxy", 12), form.Find("txtGalaxy", 12));
    EXPECT_EQ(&form.Get("cmdAccept"), form.Find("cmdAccept"));
    const auto messageOf = [&](auto lookUp) {
        try {
            lookUp();
        } catch (const std::logic_error& error) {
            return std::string(error.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(messageOf([&] { form.Get<TextBox>("txtGalaxy", 5); }),
              "frmTest: txtGalaxy(5) is not a control of this form");
    EXPECT_EQ(messageOf([&] { form.Get<CheckBox>("cmdAccept"); }),
              "frmTest: cmdAccept is a command button, not the kind asked for");
}

TEST(FormTable, AnArrayHandlerReceivesTheIndexOfTheElementThatFired) {
    Form form("frmTest");
    form.Build(testing::kFormTable);
    std::vector<std::string> seen;
    form.Find("txtGalaxy", 90)->events.change = [&] { seen.push_back("own 90"); };
    const int elements =
        form.BindArray("txtGalaxy", {.change = [&](int index) { seen.push_back("array " + std::to_string(index)); }});
    EXPECT_EQ(elements, 3);
    form.SetText("txtGalaxy", 12, "7");
    form.SetText("txtGalaxy", 90, "8");
    form.SetText("txtGalaxy", 0, "9");
    EXPECT_EQ(seen, (std::vector<std::string>{"array 12", "own 90", "array 90", "array 0"}));
    EXPECT_EQ(form.BindArray("txtMissing", {}), 0);
}

TEST(FormTable, TabFollowsTheTabColumnThenTheTableOrder) {
    constexpr ControlSpec kOrdered[] = {
        TextRow("txtA", kNoIndex, {60, 60, 900, 300}),          TextRow("txtB", kNoIndex, {60, 400, 900, 300}).Tab(2),
        TextRow("txtC", kNoIndex, {60, 800, 900, 300}).Tab(0),  LabelRow("lblD", kNoIndex, {60, 1200, 900, 300}, "D"),
        TextRow("txtE", kNoIndex, {60, 1600, 900, 300}).Tab(1), TextRow("txtF", kNoIndex, {60, 2000, 900, 300}),
    };
    Form form("frmTest");
    ASSERT_TRUE(form.Build(kOrdered).empty());
    ASSERT_TRUE(testing::ShowActive(form));
    form.Get("txtC").SetFocus();
    std::vector<std::string> visited;
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(form.ActiveControl()->Name());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"txtE", "txtB", "txtA", "txtF"}));
}

TEST(FormTable, ByNameAccessReportsMissingControlsAndRefusedValues) {
    Form form("frmTest");
    form.Build(testing::kFormTable);
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
    form.Build(testing::kFormTable);
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
