// Combo and list boxes: no selection until one is made, refused indexes,
// clicks on every change, entries at an index, item data, multiple
// selection, the top entry and editable combo text.
#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/controls.h"

namespace orbweave {
namespace {

class ListControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Build(testing::kListTable);
        for (ListControl* list : {static_cast<ListControl*>(&Combo()), static_cast<ListControl*>(&List())})
            list->events.click = [this] { ++clicks; };
    }
    ComboBox& Combo() { return *form.Find<ComboBox>("cboStyle"); }
    ComboBox& Editable() { return *form.Find<ComboBox>("cboTour"); }
    ListBox& List() { return *form.Find<ListBox>("lstTypes"); }
    ListBox& Multi() { return *form.Find<ListBox>("lstMinor"); }
    static void Fill(ListControl& list, int count) {
        for (int i = 0; i < count; ++i) list.AddItem("Item " + std::to_string(i));
    }

    Form form{"frmTest"};
    int clicks = 0;
};

// --- Combo boxes ---

TEST_F(ListControlTest, FillingAComboSelectsNothingAndRaisesNothing) {
    Fill(Combo(), 3);
    EXPECT_EQ(Combo().ListCount(), 3);
    EXPECT_EQ(Combo().ListIndex(), -1);
    EXPECT_EQ(static_cast<QComboBox*>(Combo().Widget())->currentIndex(), -1);
    EXPECT_EQ(Combo().Text(), "");
    EXPECT_EQ(clicks, 0);
}

// A long list drops down a page of rows and scrolls, whatever the style;
// a short one shows every row.
TEST_F(ListControlTest, AComboDropsDownAtMostTwentyRowsAndScrollsTheRest) {
    struct Row {
        int items;
        int shownRows;
        bool scrolls;
    };
    for (const Row& row : {Row{68, 20, true}, Row{5, 5, false}}) {
        Combo().Clear();
        Fill(Combo(), row.items);
        form.Show();
        auto* combo = static_cast<QComboBox*>(Combo().Widget());
        combo->showPopup();
        const QAbstractItemView& view = *combo->view();
        const int rowHeight = view.sizeHintForRow(0);
        ASSERT_GT(rowHeight, 0);
        EXPECT_LE(view.viewport()->height(), (row.shownRows + 1) * rowHeight) << row.items;
        EXPECT_GE(view.viewport()->height(), row.shownRows * rowHeight) << row.items;
        EXPECT_EQ(view.verticalScrollBar()->maximum() > 0, row.scrolls) << row.items;
        combo->hidePopup();
    }
}

TEST_F(ListControlTest, AComboListCutShortByTheScreenEndsOnAWholeRow) {
    Fill(Combo(), 68);
    auto* combo = static_cast<QComboBox*>(Combo().Widget());
    combo->setFont(QFont(combo->font().family(), 24));  // twenty rows higher than half the screen
    const int middle = combo->screen()->availableGeometry().center().y() - combo->mapTo(form.Window(), QPoint()).y();
    form.Window()->move(0, middle - 7);
    combo->showPopup();
    EXPECT_EQ(combo->view()->viewport()->height() % combo->view()->sizeHintForRow(0), 0);
}

TEST_F(ListControlTest, AComboRefusesIndexesOutsideTheList) {
    Fill(Combo(), 3);
    ASSERT_TRUE(Combo().SetListIndex(1));
    EXPECT_FALSE(Combo().SetListIndex(3));
    EXPECT_FALSE(Combo().SetListIndex(-2));
    EXPECT_EQ(Combo().ListIndex(), 1);
    EXPECT_TRUE(Combo().SetListIndex(-1));
    EXPECT_EQ(Combo().ListIndex(), -1);
}

TEST_F(ListControlTest, AComboClicksOnChangesByCodeOrUserOnly) {
    Fill(Combo(), 3);
    Combo().SetListIndex(2);
    Combo().SetListIndex(2);
    EXPECT_EQ(clicks, 1);
    static_cast<QComboBox*>(Combo().Widget())->setCurrentIndex(0);  // as a choice in the drop-down does
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Combo().ListIndex(), 0);
    EXPECT_EQ(Combo().Text(), "Item 0");
}

TEST_F(ListControlTest, AComboAddsAtAnIndexKeepingTheSelectedEntry) {
    Fill(Combo(), 2);
    Combo().SetListIndex(1);
    ASSERT_TRUE(Combo().AddItem("Custom Values:", 0));
    EXPECT_FALSE(Combo().AddItem("Too far", 4));
    EXPECT_EQ(Combo().List(0), "Custom Values:");
    EXPECT_EQ(Combo().ListIndex(), 2);
    EXPECT_EQ(Combo().Text(), "Item 1");
}

TEST_F(ListControlTest, RemovingTheSelectedComboEntryLeavesNoSelection) {
    Fill(Combo(), 3);
    Combo().SetListIndex(1);
    clicks = 0;
    Combo().RemoveItem(1);
    EXPECT_EQ(Combo().ListIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ListControlTest, AComboTextSelectsTheEqualEntry) {
    Fill(Combo(), 3);
    EXPECT_TRUE(Combo().SetText("Item 2"));
    EXPECT_EQ(Combo().ListIndex(), 2);
    EXPECT_FALSE(Combo().SetText("item 1"));
    EXPECT_EQ(Combo().ListIndex(), 2);
}

TEST_F(ListControlTest, AnEditableComboKeepsTypedTextAndRaisesChange) {
    int changes = 0;
    Editable().events.change = [&] { ++changes; };
    Fill(Editable(), 2);
    EXPECT_EQ(Editable().Text(), "1 2 3");
    EXPECT_EQ(Editable().ListIndex(), -1);
    Editable().SetText("51 52");
    EXPECT_EQ(Editable().Text(), "51 52");
    EXPECT_EQ(changes, 1);
    Editable().SetListIndex(1);
    EXPECT_EQ(Editable().Text(), "Item 1");
}

TEST_F(ListControlTest, ItemDataFollowsItsEntry) {
    Fill(Combo(), 2);
    Combo().SetItemData(1, 17);
    Combo().AddItem("First", 0);
    EXPECT_EQ(Combo().ItemData(2), 17);
    EXPECT_FALSE(Combo().SetItemData(5, 1));
    EXPECT_EQ(Combo().ItemData(5), 0);
}

// --- List boxes ---

TEST_F(ListControlTest, FillingAListSelectsNothingEvenWhenItGetsTheFocus) {
    ASSERT_TRUE(testing::ShowActive(form));
    Fill(List(), 3);
    List().SetFocus();
    DoEvents();
    EXPECT_EQ(List().ListIndex(), -1);
    EXPECT_EQ(List().Text(), "");
    EXPECT_EQ(clicks, 0);
}

TEST_F(ListControlTest, AListClicksOnChangesByCodeOrUser) {
    ASSERT_TRUE(testing::ShowActive(form));
    Fill(List(), 3);
    EXPECT_FALSE(List().SetListIndex(3));
    List().SetListIndex(0);
    List().SetListIndex(0);
    EXPECT_EQ(clicks, 1);
    auto& widget = static_cast<QListWidget&>(*List().Widget());
    QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, widget.visualItemRect(widget.item(2)).center());
    EXPECT_EQ(List().ListIndex(), 2);
    EXPECT_EQ(List().Text(), "Item 2");
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListControlTest, RemovingTheSelectedListEntryLeavesNoSelection) {
    Fill(List(), 3);
    List().SetListIndex(2);
    List().RemoveItem(0);
    EXPECT_EQ(List().ListIndex(), 1);
    List().RemoveItem(1);
    EXPECT_EQ(List().ListIndex(), -1);
    EXPECT_FALSE(List().Selected(0));
}

TEST_F(ListControlTest, AMultiSelectListKeepsEachEntrysSelection) {
    Fill(Multi(), 4);
    Multi().SetSelected(1, true);
    Multi().SetSelected(3, true);
    EXPECT_TRUE(Multi().Selected(1));
    EXPECT_FALSE(Multi().Selected(2));
    EXPECT_EQ(Multi().SelCount(), 2);
    Multi().SetListIndex(2);
    EXPECT_TRUE(Multi().Selected(3));
    EXPECT_FALSE(Multi().SetSelected(4, true));
}

TEST_F(ListControlTest, TheTopIndexScrollsTheList) {
    ASSERT_TRUE(testing::ShowActive(form));
    Fill(List(), 40);
    EXPECT_EQ(List().TopIndex(), 0);
    ASSERT_TRUE(List().SetTopIndex(20));
    EXPECT_EQ(List().TopIndex(), 20);
    EXPECT_FALSE(List().SetTopIndex(40));
}

}  // namespace
}  // namespace orbweave
