// Text boxes: the length limit, change events, the key filter, focus as the
// dialogs see it, and committing the box being edited.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/controls.h"

namespace orbweave {
namespace {

// The reasons of the focus-out events Qt sends to a widget.
class FocusOutReasons final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) reasons.push_back(static_cast<QFocusEvent*>(event)->reason());
        return false;
    }
    std::vector<int> reasons;
};

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override { form.Build(testing::kTextBoxTable); }
    TextBox& Box(int index) { return *form.Find<TextBox>("txtBox", index); }
    QLineEdit& Edit(int index) { return static_cast<QLineEdit&>(*Box(index).Widget()); }

    Form form{"frmTest"};
};

TEST_F(TextBoxTest, TextSetByCodeIsNotCutByTheLimit) {
    Box(0).SetMaxLength(3);
    Box(0).SetText("123456");
    EXPECT_EQ(Box(0).Text(), "123456");
    EXPECT_EQ(Edit(0).text(), "123456");
}

TEST_F(TextBoxTest, TheLimitCutsTypingAndPastingBeyondIt) {
    Box(0).SetMaxLength(3);
    Edit(0).setCursorPosition(2);
    QTest::keyClicks(&Edit(0), "345");
    EXPECT_EQ(Box(0).Text(), "123");
    Box(0).SetText("1");
    QApplication::clipboard()->setText("23456");
    QTest::keyClick(&Edit(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(0).Text(), "123");
}

TEST_F(TextBoxTest, AnOverlongTextMayStillBeShortened) {
    Box(0).SetMaxLength(2);
    Box(0).SetText("12345");
    Edit(0).setCursorPosition(5);
    QTest::keyClick(&Edit(0), Qt::Key_Backspace);
    EXPECT_EQ(Box(0).Text(), "1234");
}

TEST_F(TextBoxTest, ChangeRunsAtOnceAndOnlyOnARealChange) {
    std::vector<std::string> seen;
    Box(0).events.change = [&] { seen.push_back(Box(0).Text()); };
    Box(0).SetText("12");
    Box(0).SetText("13");
    EXPECT_EQ(seen, (std::vector<std::string>{"13"}));
    Box(0).SetText("13");
    Edit(0).setCursorPosition(2);
    QTest::keyClick(&Edit(0), Qt::Key_4);
    EXPECT_EQ(seen, (std::vector<std::string>{"13", "134"}));
}

TEST_F(TextBoxTest, TypedCharactersPassTheKeyPressFilter) {
    std::vector<int> keys;
    Box(0).events.keyPress = [&](int& key) {
        keys.push_back(key);
        if (key == 'x') key = 0;
        if (key == 'a') key = 'A';
    };
    Box(0).SetText("");
    QTest::keyClicks(&Edit(0), "1xa");
    QTest::keyClick(&Edit(0), Qt::Key_Backspace);
    EXPECT_EQ(keys, (std::vector<int>{'1', 'x', 'a', 8}));
    EXPECT_EQ(Box(0).Text(), "1");
}

// Ctrl+V, a drop and a middle click never reach KeyPress; the insertion
// filter sees them all (a drop and a middle click insert as insert() does).
TEST_F(TextBoxTest, EveryInsertionByTheUserPassesTheInsertionFilterButCodeDoesNot) {
    Box(0).SetInsertionFilter([](std::string_view inserted) {
        std::string kept;
        for (char c : inserted)
            if (c < '0' || c > '9') kept += c;
        return kept;
    });
    Box(0).SetText("a1b");
    EXPECT_EQ(Box(0).Text(), "a1b");
    Box(0).SetMaxLength(0);
    Edit(0).setCursorPosition(3);
    QApplication::clipboard()->setText("x2y");
    QTest::keyClick(&Edit(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(0).Text(), "a1bxy");
    EXPECT_EQ(Edit(0).cursorPosition(), 5);
    Edit(0).insert("3z");
    EXPECT_EQ(Box(0).Text(), "a1bxyz");
    QTest::keyClicks(&Edit(0), "4w");
    EXPECT_EQ(Box(0).Text(), "a1bxyzw");
    // A selection replaced by a paste: "1b" becomes what is kept of "9q".
    Edit(0).setSelection(1, 2);
    QApplication::clipboard()->setText("9q");
    QTest::keyClick(&Edit(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(0).Text(), "aqxyzw");
}

TEST_F(TextBoxTest, ArrowsAndEditingKeysBypassTheFilterButReachKeyDown) {
    int filtered = 0;
    std::vector<int> codes;
    Box(0).events.keyPress = [&](int& key) {
        ++filtered;
        key = 0;
    };
    Box(0).events.keyDown = [&](int code, int) { codes.push_back(code); };
    Edit(0).setCursorPosition(0);
    QTest::keyClick(&Edit(0), Qt::Key_Up);
    QTest::keyClick(&Edit(0), Qt::Key_Delete);
    QTest::keyClick(&Edit(0), Qt::Key_Right);
    EXPECT_EQ(filtered, 0);
    EXPECT_EQ(codes, (std::vector<int>{kKeyUp, kKeyDelete, kKeyRight}));
    EXPECT_EQ(Box(0).Text(), "2");
}

TEST_F(TextBoxTest, SelectAllOnFocusSurvivesTheClickThatGaveTheFocus) {
    ASSERT_TRUE(testing::ShowActive(form));
    Box(0).SetFocus();
    Box(1).SetText("12345");
    Box(1).events.gotFocus = [&] { Box(1).SelectAll(); };
    QTest::mouseClick(&Edit(1), Qt::LeftButton, {}, QPoint(5, Edit(1).height() / 2));
    EXPECT_EQ(form.ActiveControl(), &Box(1));
    EXPECT_EQ(Box(1).SelText(), "12345");
    QTest::mouseClick(&Edit(1), Qt::LeftButton, {}, QPoint(5, Edit(1).height() / 2));
    EXPECT_EQ(Box(1).SelLength(), 0);
}

TEST_F(TextBoxTest, LeavingForAnotherBoxRunsLostFocus) {
    ASSERT_TRUE(testing::ShowActive(form));
    std::vector<std::string> events;
    Box(0).events.lostFocus = [&] { events.push_back("lost 0"); };
    Box(1).events.gotFocus = [&] { events.push_back("got 1"); };
    Box(0).SetFocus();
    QTest::mouseClick(&Edit(1), Qt::LeftButton);
    EXPECT_EQ(events, (std::vector<std::string>{"lost 0", "got 1"}));
}

TEST_F(TextBoxTest, APopupOrAnotherWindowIsNotLeavingTheBox) {
    ASSERT_TRUE(testing::ShowActive(form));
    int lost = 0;
    int got = 0;
    Box(0).SetFocus();
    Box(0).events.lostFocus = [&] { ++lost; };
    Box(0).events.gotFocus = [&] { ++got; };
    FocusOutReasons qtFocusOuts;
    Edit(0).installEventFilter(&qtFocusOuts);

    QMenu popup(form.Window());
    popup.addAction("entry");
    popup.popup(form.Window()->mapToGlobal(QPoint(10, 10)));
    DoEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), &popup);
    popup.close();
    DoEvents();

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));

    EXPECT_EQ(qtFocusOuts.reasons, (std::vector<int>{Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}));
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(form.ActiveControl(), &Box(0));
}

TEST_F(TextBoxTest, EnterOnTheDefaultButtonCommitsTheBoxBeingEdited) {
    ASSERT_TRUE(testing::ShowActive(form));
    auto& ok = *form.Find<CommandButton>("cmdOK");
    ok.SetDefault(true);
    Box(0).events.lostFocus = [&] {
        if (Box(0).Text() == "999") Box(0).SetText("100");
    };
    std::string seen;
    ok.events.click = [&] {
        form.CommitActiveEdit(ok);
        seen = Box(0).Text();
    };
    Box(0).SetFocus();
    Box(0).SetText("999");
    QTest::keyClick(&Edit(0), Qt::Key_Return);
    EXPECT_EQ(seen, "100");
    EXPECT_EQ(form.ActiveControl(), &ok);
}

// --- Several lines ---

TEST_F(TextBoxTest, EnterInASeveralLineBoxPressesTheDefaultButtonAndCtrlEnterBreaksTheLine) {
    ASSERT_TRUE(testing::ShowActive(form));
    auto& ok = form.Get<CommandButton>("cmdOK");
    int clicks = 0;
    ok.events.click = [&] { ++clicks; };
    auto& lines = form.Get<TextBox>("txtLines");
    EXPECT_TRUE(lines.MultiLine());
    EXPECT_EQ(lines.Text(), "one\r\ntwo");
    lines.SetFocus();
    lines.SetSelection(8, 0);
    // Without a default button Enter has nothing to press and breaks the line.
    QTest::keyClick(lines.Widget(), Qt::Key_Return);
    QTest::keyClicks(lines.Widget(), "x");
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nx");

    ok.SetDefault(true);
    QTest::keyClick(lines.Widget(), Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nx");
    QTest::keyClick(lines.Widget(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(lines.Widget(), "y");
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nx\r\ny");
    EXPECT_EQ(clicks, 1);
}

TEST_F(TextBoxTest, ASeveralLineBoxCountsALineBreakAsTwoCharacters) {
    auto& lines = form.Get<TextBox>("txtLines");
    EXPECT_TRUE(lines.SetSelection(5, 3));
    EXPECT_EQ(lines.SelStart(), 5);
    EXPECT_EQ(lines.SelText(), "two");
    EXPECT_TRUE(lines.SetSelection(3, 2));
    EXPECT_EQ(lines.SelText(), "\r\n");
    EXPECT_EQ(lines.SelLength(), 2);
    EXPECT_FALSE(lines.SetSelection(9, 0));

    lines.SetMaxLength(10);
    lines.SetSelection(8, 0);
    QTest::keyClick(lines.Widget(), Qt::Key_Return);  // 10 characters: still within the limit
    QTest::keyClicks(lines.Widget(), "x");
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\n");
    lines.SetMaxLength(9);  // set within the limit, or pasted, a text is cut there, never in a line break
    lines.SetTextWithinLimit("one\r\ntwo\r\nthree");
    EXPECT_EQ(lines.Text(), "one\r\ntwo");
    lines.SetMaxLength(12);
    lines.SetSelection(8, 0);
    QApplication::clipboard()->setText("\r\nxyz");
    QTest::keyClick(lines.Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(lines.Text(), "one\r\ntwo\r\nxy");
}

TEST_F(TextBoxTest, ASeveralLineBoxTakesLoneCarriageReturnsAsLineBreaks) {
    auto& lines = form.Get<TextBox>("txtLines");
    std::vector<std::string> seen;
    lines.events.change = [&] { seen.push_back(lines.Text()); };
    lines.SetText("a\rb");
    EXPECT_EQ(lines.Text(), "a\r\nb");
    lines.SetText("a\r\nb");
    EXPECT_EQ(seen, (std::vector<std::string>{"a\r\nb"}));
}

}  // namespace
}  // namespace orbweave
