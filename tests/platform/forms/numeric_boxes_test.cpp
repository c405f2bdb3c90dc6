// Numeric boxes bound from rows: the keys they accept, Up and Down within
// their own arrow limits, the clamp on leaving, the spin that mirrors them,
// and how the binding meets handlers a box has already.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/controls.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/service_recorder.h"
#include "platform/forms/window_utils.h"

namespace orbweave {
namespace {

class NumericBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form.Build(testing::kNumericBoxTable).empty());
        BindNumericBoxes(form, testing::kNumericBoxRows);
        SetupNumericField(Box("txtGalaxy", 0), form.Get<SpinControl>("spnGalaxy", 0), 1, 9999, 5, 0);
        SetupNumericField(Box("txtPct"), form.Get<SpinControl>("spnPct"), 0, 9999, 4, 0);
    }
    TextBox& Box(std::string_view name, int index = kNoIndex) { return form.Get<TextBox>(name, index); }

    Form form{"frmTest"};
};

TEST_F(NumericBoxesTest, ArrowsStepWithinTheBoxsOwnArrowLimits) {
    struct Row {
        const char* box;
        int index;
        const char* before;
        Qt::Key key;
        const char* after;
    };
    const Row rows[] = {
        {"txtGalaxy", 0, "15000", Qt::Key_Up, "15010"},  // beyond the spin's 9999, within the arrows' 30000
        {"txtGalaxy", 0, "30000", Qt::Key_Up, "30000"},
        {"txtGalaxy", 0, "5", Qt::Key_Down, "1"},
        {"txtGalaxy", 0, "2.5", Qt::Key_Up, "12"},  // 12.5 rounds to the even neighbour
        {"txtGalaxy", 0, "", Qt::Key_Up, "10"},     // an empty box reads as 0
        {"txtGalaxy", 0, "40", Qt::Key_Left, "40"},
        {"txtUni", 0, "50", Qt::Key_Down, "100"},  // the arrow floor lies above the clamp floor
        {"txtUni", 0, "99950", Qt::Key_Up, "99999"},
        {"txtPct", kNoIndex, "5000", Qt::Key_Up, "999"},                   // Up applies only the upper limit,
        {"txtPct", kNoIndex, "5000", Qt::Key_Down, "4999"},                // and Down only the lower one
        {"txtPct", kNoIndex, "99999999999", Qt::Key_Down, "99999999999"},  // no 32-bit number once stepped
        {"txtGalaxy", 8, "5", Qt::Key_Up, "5"},                            // a box without arrow stepping
    };
    for (const Row& row : rows) {
        TextBox& box = Box(row.box, row.index);
        box.SetText(row.before);
        QTest::keyClick(box.Widget(), row.key);
        EXPECT_EQ(box.Text(), row.after) << row.box << "(" << row.index << ") " << row.before;
    }
}

TEST_F(NumericBoxesTest, KeysAreFilteredByTheBoxsKind) {
    ServiceRecorder recorder;
    Box("txtGalaxy", 0).SetText("");
    QTest::keyClicks(Box("txtGalaxy", 0).Widget(), "1a.2");
    EXPECT_EQ(Box("txtGalaxy", 0).Text(), "12");
    Box("txtGalaxy", 8).SetText("");
    QTest::keyClicks(Box("txtGalaxy", 8).Widget(), "1.2.3");
    EXPECT_EQ(Box("txtGalaxy", 8).Text(), "1.23");
    EXPECT_EQ(recorder.beeps, 3);
}

TEST_F(NumericBoxesTest, LeavingABoxClampsItByItsKind) {
    struct Row {
        const char* box;
        int index;
        const char* typed;
        const char* left;
    };
    const Row rows[] = {
        {"txtGalaxy", 0, "40000", "30000"},   {"txtGalaxy", 0, "", "1"},  // an empty box becomes its lower bound
        {"txtGalaxy", 8, "123.45", "99.9"},   {"txtUni", 0, "5", "10"},
        {"txtPct", kNoIndex, "5000", "5000"},  // a box without a clamp keeps what was typed
    };
    ASSERT_TRUE(testing::ShowActive(form));
    for (const Row& row : rows) {
        TextBox& box = Box(row.box, row.index);
        box.SetFocus();
        box.SetText(row.typed);
        form.Get("cmdOK").SetFocus();
        EXPECT_EQ(box.Text(), row.left) << row.box << "(" << row.index << ") " << row.typed;
    }
}

TEST_F(NumericBoxesTest, GettingTheFocusSelectsTheWholeText) {
    ASSERT_TRUE(testing::ShowActive(form));
    Box("txtUni", 0).SetFocus();
    EXPECT_EQ(Box("txtUni", 0).SelText(), "18000");
}

TEST_F(NumericBoxesTest, BoxAndSpinMirrorEachOther) {
    auto& spin = form.Get<SpinControl>("spnGalaxy", 0);
    Box("txtGalaxy", 0).SetText("700");
    EXPECT_EQ(spin.Value(), 700);
    Box("txtGalaxy", 0).SetText("15000");  // outside the spin's range: the spin stays
    EXPECT_EQ(spin.Value(), 700);
    spin.SetValue(701);
    EXPECT_EQ(Box("txtGalaxy", 0).Text(), "701");
    Box("txtGalaxy", 8).SetText("3");  // a box without a spin
    EXPECT_EQ(spin.Value(), 701);
    // The spin follows the box without writing back into it.
    Box("txtGalaxy", 0).SetText("0702");
    EXPECT_EQ(spin.Value(), 702);
    EXPECT_EQ(Box("txtGalaxy", 0).Text(), "0702");
}

// The box's own behaviour comes first and the dialog's reaction after it,
// whether the dialog's handlers were set before the binding or after it.
TEST(NumericBoxBinding, HandlersOfTheDialogRunAfterTheBindingInEitherOrder) {
    for (const bool arrayFirst : {true, false}) {
        Form form("frmTest");
        form.Build(testing::kNumericBoxTable);
        auto& spin = form.Get<SpinControl>("spnGalaxy", 0);
        SetupNumericField(form.Get<TextBox>("txtGalaxy", 0), spin, 1, 9999, 5, 0);
        std::vector<int> spinSeen;
        const ArrayEvents redraw{.change = [&](int index) {
            if (index == 0) spinSeen.push_back(spin.Value());
        }};
        if (arrayFirst) form.BindArray("txtGalaxy", redraw);
        BindNumericBoxes(form, testing::kNumericBoxRows);
        if (!arrayFirst) form.BindArray("txtGalaxy", redraw);
        form.SetText("txtGalaxy", 0, "42");
        EXPECT_EQ(spinSeen, (std::vector<int>{42})) << arrayFirst;
    }
}

TEST(NumericBoxBinding, AKeySwallowedByTheFilterReachesNoLaterHandler) {
    Form form("frmTest");
    form.Build(testing::kNumericBoxTable);
    std::vector<int> keys;
    form.Get("txtPct").events.keyPress = [&](int& key) { keys.push_back(key); };
    BindNumericBoxes(form, testing::kNumericBoxRows);
    ServiceRecorder recorder;
    QTest::keyClicks(form.Get("txtPct").Widget(), "4x");
    EXPECT_EQ(keys, (std::vector<int>{'4'}));
}

TEST(NumericBoxBinding, ARowNamingAMissingControlThrows) {
    Form form("frmTest");
    form.Build(testing::kNumericBoxTable);
    constexpr NumericBoxRow kMissingSpin[] = {{{"txtUni", 0}, {}, {"spnUni", 0}}};
    EXPECT_THROW(BindNumericBoxes(form, kMissingSpin), std::logic_error);
}

}  // namespace
}  // namespace orbweave
