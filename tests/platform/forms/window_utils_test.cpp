// Window and input utilities: enabling a frame, numeric boxes with spin
// controls, key filters and list helpers.
#include <gtest/gtest.h>

#include "form_test_tables.h"
#include "forms_test_support.h"
#include "platform/forms/controls.h"
#include "platform/forms/service_recorder.h"
#include "platform/forms/window_utils.h"

namespace orbweave {
namespace {

class WindowUtilsTest : public ::testing::Test {
protected:
    void SetUp() override { form.Build(testing::kWindowUtilsTable); }
    TextBox& Number() { return *form.Find<TextBox>("txtNumber"); }
    SpinControl& Spin() { return *form.Find<SpinControl>("spnNumber"); }
    ListBox& List() { return *form.Find<ListBox>("lstTypes"); }

    Form form{"frmTest"};
};

// --- Enabling ---

TEST_F(WindowUtilsTest, SetContainerEnabledReachesNestedFrames) {
    SetContainerEnabled(*form.Find<Frame>("fraOuter"), false);
    EXPECT_FALSE(form.Find("fraInner")->Enabled());
    EXPECT_FALSE(form.Find("txtDeep")->Enabled());
    EXPECT_FALSE(form.Find("txtNumber")->Enabled());
    EXPECT_TRUE(form.Find("cmdOK")->Enabled());
    SetContainerEnabled(*form.Find<Frame>("fraOuter"), true);
    EXPECT_TRUE(form.Find("txtDeep")->Enabled());
}

// --- Numeric boxes ---

TEST_F(WindowUtilsTest, SetupNumericFieldClampsTheBoxAndInvertsTheSpin) {
    Number().SetText("abc");
    SetupNumericField(Number(), Spin(), 1, 9999, 5, 0);
    EXPECT_EQ(Number().Text(), "1");
    EXPECT_EQ(Number().MaxLength(), 5);
    EXPECT_EQ(Spin().Min(), 9999);
    EXPECT_EQ(Spin().Max(), 1);
    Number().SetText("99999");
    SetupNumericField(Number(), Spin(), 1, 9999, 5, 0);
    EXPECT_EQ(Number().Text(), "9999");
}

TEST_F(WindowUtilsTest, SetupNumericFieldTakesItsStepFromTheHighEnd) {
    struct Row {
        std::int16_t high;
        std::int16_t step;
        int expected;
    };
    for (const Row row : {Row{100, 0, 1}, Row{101, 0, 5}, Row{998, 0, 5}, Row{999, 0, 10}, Row{1000, 0, 10},
                          Row{29999, 0, 10}, Row{30000, 0, 50}, Row{100, 7, 7}}) {
        SetupNumericField(Number(), Spin(), 0, row.high, 5, row.step);
        EXPECT_EQ(Spin().SmallChange(), row.expected) << row.high;
    }
}

TEST_F(WindowUtilsTest, ValidateNumericTextClampsByKind) {
    struct Row {
        const char* typed;
        BoxClamp kind;
        float low;
        float high;
        const char* expected;
    };
    for (const Row row :
         {Row{"15", BoxClamp::Integer, 4, 10, "10"}, Row{"", BoxClamp::Integer, 1, 10, "1"},
          Row{"2.5", BoxClamp::Integer, 0, 10, "2"}, Row{"3.5", BoxClamp::Integer, 0, 10, "4"},
          Row{"40000", BoxClamp::Integer, 0, 30000, "30000"}, Row{"99999999999", BoxClamp::Long, 0, 99999, "99999"},
          Row{"45000", BoxClamp::Long, 0, 30000, "30000"}, Row{"0.05", BoxClamp::Single, 0.1f, 0.9999f, "0.1"},
          Row{"1.25abc", BoxClamp::Single, 0, 99.9f, "1.25"}, Row{"7", BoxClamp::None, 0, 1, "7"},
          Row{"7", BoxClamp::ByStyle, 0, 1, "7"}}) {
        Number().SetText(row.typed);
        ValidateNumericText(Number(), row.kind, row.low, row.high);
        EXPECT_EQ(Number().Text(), row.expected) << row.typed;
    }
}

TEST_F(WindowUtilsTest, SelectTextOnFocusSelectsUnlockedBoxesOnly) {
    ASSERT_TRUE(testing::ShowActive(form));
    Number().SetText("1234");
    Number().SetFocus();
    SelectTextOnFocus(form);
    EXPECT_EQ(Number().SelText(), "1234");
    auto& deep = *form.Find<TextBox>("txtDeep");
    deep.SetText("55");
    deep.SetLocked(true);
    deep.SetFocus();
    SelectTextOnFocus(form);
    EXPECT_EQ(deep.SelLength(), 0);
}

// --- Key filters ---

TEST_F(WindowUtilsTest, KeyPressDigitsOnlySwallowsOtherKeysWithABeep) {
    ServiceRecorder recorder;
    for (int key : {int{'0'}, int{'9'}, 8}) {
        KeyPressDigitsOnly(key);
        EXPECT_NE(key, 0);
    }
    for (int key : {int{'.'}, int{'-'}, int{'a'}, 13}) {
        KeyPressDigitsOnly(key);
        EXPECT_EQ(key, 0);
    }
    EXPECT_EQ(recorder.beeps, 4);
}

TEST_F(WindowUtilsTest, KeyPressDecimalAcceptsOnePointUnlessItIsSelected) {
    ServiceRecorder recorder;
    Number().SetText("1.5");
    Number().SetSelection(0, 3);
    int key = '.';
    KeyPressDecimal(Number(), key);
    EXPECT_EQ(key, '.');
    Number().SetSelection(2, 1);
    KeyPressDecimal(Number(), key);
    EXPECT_EQ(key, 0);
    key = '-';
    KeyPressDecimal(Number(), key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(recorder.beeps, 2);
}

// --- Lists ---

TEST_F(WindowUtilsTest, AddPaddedListItemLinesTheNumbersUp) {
    AddPaddedListItem(List(), "Milky Way", 100, true);
    AddPaddedListItem(List(), "M", 5, true);
    const auto numberStart = [&](int item) {
        const std::string entry = List().List(item);
        return form.TextWidth(entry.substr(0, entry.find_last_of(' ') + 1));
    };
    EXPECT_NEAR(numberStart(0), 2400, form.TextWidth(" "));
    EXPECT_NEAR(numberStart(1), 2400, form.TextWidth(" "));
}

TEST_F(WindowUtilsTest, AddPaddedListItemKeepsThreeBlanksForLongTexts) {
    const std::string longName(200, 'W');
    AddPaddedListItem(List(), longName, 7, true);
    EXPECT_EQ(List().List(0), longName + "   7");
}

TEST_F(WindowUtilsTest, AddPaddedListItemReplacesTheSelectedEntry) {
    AddPaddedListItem(List(), "A", 1, true);
    EXPECT_FALSE(AddPaddedListItem(List(), "B", 2, false));
    List().SetListIndex(0);
    EXPECT_TRUE(AddPaddedListItem(List(), "B", 2, false));
    EXPECT_EQ(List().ListCount(), 1);
    EXPECT_EQ(List().List(0).substr(0, 1), "B");
}

TEST_F(WindowUtilsTest, FindListIndexComparesExactlyAndFallsBackToZero) {
    for (const char* text : {"Alpha", "Beta", "beta"}) List().AddItem(text);
    EXPECT_EQ(FindListIndex(List(), "beta"), 2);
    EXPECT_EQ(FindListIndex(List(), "Gamma"), 0);
}

TEST_F(WindowUtilsTest, FillFontListListsEachFamilyOnceWithoutFoundry) {
    auto& fonts = *form.Find<ComboBox>("cboFonts");
    fonts.AddItem("stale");
    FillFontList(fonts);
    ASSERT_GT(fonts.ListCount(), 0);
    std::vector<std::string> seen;
    for (int i = 0; i < fonts.ListCount(); ++i) {
        const std::string family = fonts.List(i);
        EXPECT_EQ(family.find(" ["), std::string::npos) << family;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), family), 0) << family;
        seen.push_back(family);
    }
    EXPECT_EQ(fonts.ListIndex(), -1);
}

}  // namespace
}  // namespace orbweave
