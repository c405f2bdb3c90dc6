// Check boxes, spin controls, buttons, labels, frames and menus.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/controls.h"

namespace orbweave {
namespace {

class SimpleControlsTest : public ::testing::Test {
protected:
    void SetUp() override { form.Build(testing::kSimpleControlsTable); }
    CheckBox& Check() { return *form.Find<CheckBox>("chkTour"); }
    SpinControl& Spin() { return *form.Find<SpinControl>("spnValue"); }
    CommandButton& Button(std::string_view name) { return *form.Find<CommandButton>(name); }
    QScrollBar& Bar() { return static_cast<QScrollBar&>(*Spin().Widget()); }

    Form form{"frmTest"};
};

// --- Check boxes ---

TEST_F(SimpleControlsTest, ACheckBoxTakesZeroOneOrTwoOnly) {
    EXPECT_TRUE(Check().SetValue(CheckBox::kGrayed));
    EXPECT_EQ(Check().Value(), 2);
    EXPECT_FALSE(Check().SetValue(3));
    EXPECT_FALSE(Check().SetValue(-1));
    EXPECT_EQ(Check().Value(), 2);
}

TEST_F(SimpleControlsTest, ACheckBoxClicksOnEveryChangeAndTheUserTogglesTwoStates) {
    int clicks = 0;
    Check().events.click = [&] { ++clicks; };
    Check().SetValue(1);
    Check().SetValue(1);
    EXPECT_EQ(clicks, 1);
    auto& box = static_cast<QCheckBox&>(*Check().Widget());
    box.click();
    EXPECT_EQ(Check().Value(), 0);
    box.click();
    EXPECT_EQ(Check().Value(), 1);
    Check().SetValue(2);
    box.click();
    EXPECT_EQ(Check().Value(), 0);
    EXPECT_EQ(clicks, 5);
}

// --- Spin controls ---

TEST_F(SimpleControlsTest, ASpinRunningFromHighToLowRaisesTheValueWithItsUpperArrow) {
    Spin().SetMin(100);
    Spin().SetMax(0);
    Spin().SetSmallChange(5);
    ASSERT_TRUE(Spin().SetValue(50));
    Bar().triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
    EXPECT_EQ(Spin().Value(), 55);
    Bar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Bar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Spin().Value(), 45);
    EXPECT_EQ(Spin().Min(), 100);
    EXPECT_EQ(Spin().Max(), 0);
}

TEST_F(SimpleControlsTest, ASpinRefusesValuesOutsideItsRange) {
    int changes = 0;
    Spin().events.change = [&] { ++changes; };
    Spin().SetMin(9999);
    Spin().SetMax(1);
    EXPECT_EQ(Spin().Value(), 9999);
    EXPECT_EQ(changes, 0);
    Spin().SetValue(500);
    EXPECT_FALSE(Spin().SetValue(15000));
    EXPECT_FALSE(Spin().SetValue(0));
    EXPECT_EQ(Spin().Value(), 500);
    EXPECT_FALSE(Spin().SetMin(40000));
}

TEST_F(SimpleControlsTest, ASpinAndItsBoxMirrorEachOtherUntilNothingChanges) {
    auto& box = *form.Find<TextBox>("txtValue");
    Spin().SetMin(999);
    Spin().SetMax(0);
    int spinChanges = 0;
    Spin().events.change = [&] {
        ++spinChanges;
        box.SetText(std::to_string(Spin().Value()));
    };
    box.events.change = [&] { Spin().SetValue(std::stoi(box.Text())); };
    box.SetText("42");
    EXPECT_EQ(Spin().Value(), 42);
    EXPECT_EQ(spinChanges, 1);
    Bar().triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(box.Text(), "43");
    EXPECT_EQ(spinChanges, 2);
}

// --- Buttons ---

TEST_F(SimpleControlsTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    ASSERT_TRUE(testing::ShowActive(form));
    std::vector<std::string> clicked;
    for (const char* name : {"cmdOK", "cmdCancel", "cmdPreview"})
        Button(name).events.click = [&clicked, name] { clicked.emplace_back(name); };
    Button("cmdOK").SetDefault(true);
    Button("cmdCancel").SetCancel(true);
    auto* edit = form.Find("txtValue")->Widget();
    form.Find("txtValue")->SetFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    Button("cmdPreview").SetCancel(true);  // a running preview's Stop button takes Escape
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(clicked, (std::vector<std::string>{"cmdOK", "cmdCancel", "cmdPreview"}));
    EXPECT_FALSE(Button("cmdCancel").IsCancel());
}

TEST_F(SimpleControlsTest, OneDefaultButtonAtATimeAndDisabledButtonsDoNotClick) {
    Button("cmdOK").SetDefault(true);
    Button("cmdPreview").SetDefault(true);
    EXPECT_FALSE(Button("cmdOK").IsDefault());
    EXPECT_EQ(form.DefaultButton(), &Button("cmdPreview"));
    int clicks = 0;
    Button("cmdPreview").events.click = [&] { ++clicks; };
    Button("cmdPreview").SetEnabled(false);
    EXPECT_FALSE(Button("cmdPreview").PerformClick());
    EXPECT_EQ(clicks, 0);
}

// --- Labels ---

TEST_F(SimpleControlsTest, ALabelKeepsItsLineBreaksAndWraps) {
    auto& label = *form.Find<Label>("lblNote");
    EXPECT_EQ(label.Caption(), "Note:  first\r\nsecond");
    EXPECT_EQ(static_cast<QLabel*>(label.Widget())->text(), "Note:  first\nsecond");
    label.SetWordWrap(true);
    EXPECT_TRUE(static_cast<QLabel*>(label.Widget())->wordWrap());
    label.SetCaption("< NONE >");
    EXPECT_EQ(static_cast<QLabel*>(label.Widget())->text(), "< NONE >");
}

// --- Frames ---

TEST_F(SimpleControlsTest, AFrameHoldsItsControlsAndDisablesThemWithoutTheirOwnFlag) {
    auto& page = *form.Find("fraPage", 1);
    auto& inside = *form.Find("txtInside");
    EXPECT_EQ(inside.Container(), &page);
    EXPECT_EQ(inside.Widget()->parentWidget(), page.Widget());
    page.SetEnabled(false);
    EXPECT_FALSE(inside.Widget()->isEnabled());
    EXPECT_TRUE(inside.Enabled());
    EXPECT_FALSE(inside.SetFocus());
}

TEST_F(SimpleControlsTest, StackedFramesShowTheOneInFront) {
    ASSERT_TRUE(testing::ShowActive(form));
    auto& front = *form.Find("fraPage", 0);
    front.ZOrder(true);
    const QPoint middle = front.Widget()->geometry().center();
    EXPECT_EQ(form.ClientWidget()->childAt(middle), front.Widget());
    front.ZOrder(false);
    EXPECT_NE(form.ClientWidget()->childAt(middle), front.Widget());
}

// --- Menus ---

TEST_F(SimpleControlsTest, MenuArraysKeepTheIndexOfTheirSeparators) {
    auto& exit = *form.Find<MenuItem>("mnuFileArray", 2);
    auto& separator = *form.Find<MenuItem>("mnuFileArray", 1);
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_FALSE(exit.IsSeparator());
    auto* menu = form.Find<MenuItem>("mnuFile")->SubMenu();
    EXPECT_EQ(menu->actions().at(2), exit.Action());
    int clicked = -1;
    exit.events.click = [&] { clicked = exit.Index(); };
    exit.Action()->trigger();
    EXPECT_EQ(clicked, 2);
    exit.SetEnabled(false);
    EXPECT_FALSE(exit.Enabled());
    EXPECT_FALSE(exit.SetFocus());
}

TEST_F(SimpleControlsTest, ASeparatorShowsOnlyItsLine) {
    auto& separator = *form.Find<MenuItem>("mnuFileArray", 1);
    EXPECT_EQ(separator.Caption(), "-");
    EXPECT_TRUE(separator.Action()->isSeparator());
    EXPECT_TRUE(separator.Action()->text().isEmpty());
    separator.SetCaption("&Recent");
    EXPECT_FALSE(separator.Action()->isSeparator());
    EXPECT_EQ(separator.Action()->text(), "&Recent");
}

}  // namespace
}  // namespace orbweave
