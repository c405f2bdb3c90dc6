// The property copy frame: choosing a property prepares its editor, the
// editor filters and clamps, "Copy" asks for what is missing, and the copy
// writes exactly the types of the property's styles and its control.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/convert.h"
#include "dialogs/properties/prop_copy.h"
#include "props_fixture.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

class PropCopyTest : public PropsDialogTest {
protected:
    void SetUp() override {
        PropsDialogTest::SetUp();
        Open();
    }

    void Choose(int entry) { Get<ComboBox>("cboPropCopyList").SetListIndex(entry); }
    TextBox& ValueBox() { return Get<TextBox>("txtPropCopy"); }
    // Types 0..49 get the styles 0..9 in turn.
    static void MixStyles() {
        for (int type = 0; type < kGalaxyTypeCount; ++type) UniGalaxies[type].Galaxy_GalStyle = type % 10;
    }
    int Typed(char key) {
        int code = key;
        txtPropCopy_KeyPress(Frm(), code);
        return code;
    }
};

// clang-format off
// Each entry's control (set in universe mode) and the styles it reaches.
struct Reach { const char* control; int index; StyleSet styles; };
constexpr const char *G = "txtGalaxy", *H = "txtPixHue";
constexpr int N = kNoIndex;
constexpr StyleSet All = kAllStyles, kRadial = Styles({0, 4, 5, 6, 7, 8, 9});
const Reach kReaches[kPropCopyCount] = {
    {H, 0, All}, {H, 1, All}, {H, 2, All}, {H, 3, All}, {H, 4, All}, {G, 0, AllStylesBut({7})}, {G, 1, All},
    {G, 2, All}, {G, 3, kRadial}, {G, 4, kRadial}, {G, 5, AllStylesBut({1, 2, 7})}, {G, 6, AllStylesBut({7})},
    {"cboGalStyle", N, All}, {"cboGalPlane", N, All}, {"cboGalProfile", N, All}, {G, 90, All},
    {G, 91, AllStylesBut({4, 7})}, {G, 92, AllStylesBut({4})}, {G, 93, All}, {G, 94, All}, {"cboGalColor", N, All},
    {G, 7, All}, {G, 95, All}, {G, 96, All}, {G, 10, All}, {G, 11, All}, {G, 12, All}, {G, 20, All}, {G, 21, All},
    {G, 22, All}, {G, 30, All}, {G, 31, All}, {G, 32, All}, {G, 33, All}, {G, 34, All}, {G, 35, All},
    {"cboPulsarShape", N, All}, {G, 40, All}, {G, 41, All}, {G, 42, All}, {G, 43, All}, {G, 44, All}, {G, 45, All},
    {G, 46, All}, {G, 47, All}, {G, 48, All}, {G, 3, Styles({1})}, {G, 4, Styles({1})}, {G, 5, Styles({1})},
    {G, 3, Styles({2})}, {G, 4, Styles({2})}, {G, 5, Styles({2})}, {G, 3, Styles({3})}, {G, 4, Styles({3})},
    {G, 3, Styles({4})}, {G, 4, Styles({4})}, {G, 5, Styles({4})}, {G, 6, Styles({4})}, {G, 93, Styles({4})},
    {G, 91, Styles({4})}, {G, 92, Styles({4})}, {"chkCP_Closed", N, Styles({4})}, {G, 8, Styles({5})},
    {G, 8, Styles({6})}, {G, 0, Styles({7})}, {G, 5, Styles({7})}, {G, 6, Styles({7})}, {G, 91, Styles({7})},
};
// clang-format on

// The value a field of the row's kind holds after a copy of `value`.
template <typename T>
bool Holds(T field, float value) {
    if constexpr (std::is_same_v<T, float>)
        return field == value;
    else
        return field == static_cast<T>(std::nearbyint(value));
}

TEST_F(PropCopyTest, EveryPropertyGoesIntoExactlyItsFieldOfTheTypesOfItsStylesAndIntoItsControl) {
    for (int entry = 0; entry < kPropCopyCount; ++entry) {
        const PropCopyRow& row = kPropCopyRows[entry];
        SCOPED_TRACE(std::string(row.entry));
        MixStyles();
        const auto before = UniGalaxies;
        // Halfway values test the rounding of whole-number fields.
        const float value = row.high > 1 ? row.high - 0.5f : row.high;
        Dialog().CopyPropValueToAllGalaxyTypes(static_cast<std::int16_t>(entry), value);
        for (int type = 0; type < kGalaxyTypeCount; ++type) {
            UniGalaxy expected = before[type];
            const bool admitted = (kReaches[entry].styles >> (type % 10)) & 1u;
            if (admitted) {
                std::visit([&](auto member) { expected.*member = UniGalaxies[type].*member; }, row.field);
                std::visit([&](auto member) { EXPECT_TRUE(Holds(UniGalaxies[type].*member, value)) << type; },
                           row.field);
            }
            EXPECT_TRUE(UniGalaxies[type] == expected) << "type " << type;
        }
        Control& control = Get(kReaches[entry].control, kReaches[entry].index);
        switch (row.editor) {
        case CopyEditor::Digits:
        case CopyEditor::Decimal: EXPECT_EQ(static_cast<float>(LeadingNumber(control.Text())), value); break;
        case CopyEditor::Combo:
            EXPECT_EQ(dynamic_cast<ListControl&>(control).ListIndex(), std::nearbyint(value));
            break;
        case CopyEditor::Check: EXPECT_EQ(dynamic_cast<CheckBox&>(control).Value(), 1); break;
        }
    }
}

TEST_F(PropCopyTest, CopyAsksForAPropertyAndForAValue) {
    struct Case {
        int entry;
        const char* text;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {-1, "", "Please select a Property to copy.", "cboPropCopyList"},
        {5, "", "Please enter a Property value.", "txtPropCopy"},
        {5, "   ", "Please enter a Property value.", "txtPropCopy"},
        {7, "", "Please enter a Property value.", "txtPropCopy"},
        {42, "", "Please enter a Property value.", "txtPropCopy"},
        {12, "", "Please select a Property value.", "cboPropCopy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Choose(c.entry);
        ValueBox().SetText(c.text);
        const auto before = UniGalaxies;
        services->messages.clear();
        // Pressing "Copy" takes the focus from the box first; a blank box stays blank.
        txtPropCopy_LostFocus(Frm());
        EXPECT_EQ(ValueBox().Text(), c.text);
        Dialog().cmdPropCopy_Click();
        ASSERT_EQ(services->messages.size(), 1u);
        EXPECT_EQ(services->messages[0].text, c.message);
        EXPECT_EQ(services->messages[0].title, "Orbweave");
        EXPECT_EQ(Frm().ActiveControl(), &Get(c.focus));
        EXPECT_TRUE(UniGalaxies == before);
    }
}

TEST_F(PropCopyTest, ChoosingAPropertyPreparesOnlyItsEditor) {
    Choose(61);
    EXPECT_TRUE(Get("chkPropCopy").Visible());
    EXPECT_FALSE(ValueBox().Visible());
    EXPECT_FALSE(Get("lblPropCopy").Visible());
    EXPECT_EQ(Get("chkPropCopy").Caption(), "Control Point Loop is Closed?");
    Frm().SetValue("chkPropCopy", kNoIndex, 1);

    Choose(13);
    EXPECT_EQ(Frm().GetValue("chkPropCopy"), 0);
    EXPECT_TRUE(Get("cboPropCopy").Visible());
    EXPECT_EQ(Get<ComboBox>("cboPropCopy").ListCount(), 2);
    EXPECT_EQ(Get<ComboBox>("cboPropCopy").Text(), "Y-Z");

    Choose(14);
    EXPECT_EQ(Get<ComboBox>("cboPropCopy").ListCount(), 7);
    EXPECT_EQ(Get<ComboBox>("cboPropCopy").ListIndex(), -1);

    Choose(21);
    EXPECT_TRUE(ValueBox().Visible());
    EXPECT_TRUE(Get("lblPropCopy").Visible());
    EXPECT_FALSE(Get("cboPropCopy").Visible());
    EXPECT_EQ(Get("lblPropCopy").Caption(), "Range (0 - 30000):");
    EXPECT_EQ(ValueBox().MaxLength(), 5);
    ValueBox().SetText("75000");
    Choose(22);
    EXPECT_EQ(ValueBox().Text(), "");
}

TEST_F(PropCopyTest, TheValueBoxFiltersAndClampsByTheChosenProperty) {
    Choose(24);
    EXPECT_EQ(Typed('.'), 0);
    EXPECT_EQ(services->beeps, 1);
    Choose(15);
    EXPECT_EQ(Typed('.'), '.');
    Choose(21);
    ValueBox().SetText("75000");
    txtPropCopy_LostFocus(Frm());
    EXPECT_EQ(ValueBox().Text(), "30000");
    Choose(66);
    EXPECT_EQ(Get("lblPropCopy").Caption(), "Range (1 - 999):");
    ValueBox().SetText("0");
    txtPropCopy_LostFocus(Frm());
    EXPECT_EQ(ValueBox().Text(), "0");
}

TEST_F(PropCopyTest, CopyButtonWritesTheChosenValue) {
    Choose(21);
    ValueBox().SetText("1500");
    Dialog().cmdPropCopy_Click();
    for (int type = 0; type < kGalaxyTypeCount; ++type) EXPECT_EQ(UniGalaxies[type].Galaxy_ColorMult, 1500);
    EXPECT_EQ(Frm().GetText("txtGalaxy", 7), "1500");

    Choose(13);  // "Y-Z" is chosen from the start
    for (auto& type : UniGalaxies) type.Galaxy_AxisPlane = 1;
    Dialog().cmdPropCopy_Click();
    for (int type = 0; type < kGalaxyTypeCount; ++type) EXPECT_EQ(UniGalaxies[type].Galaxy_AxisPlane, 0);

    MixStyles();
    for (auto& type : UniGalaxies) type.Galaxy_CP_Close = 1;
    Frm().SetValue("chkCP_Closed", kNoIndex, 1);
    Choose(61);
    Dialog().cmdPropCopy_Click();
    for (int type = 0; type < kGalaxyTypeCount; ++type)
        EXPECT_EQ(UniGalaxies[type].Galaxy_CP_Close, type % 10 == 4 ? 0 : 1) << type;
    EXPECT_EQ(Frm().GetValue("chkCP_Closed"), 0);
}

TEST_F(PropCopyTest, APropertyNoTypeHasChangesNothing) {
    for (auto& type : UniGalaxies) type.Galaxy_GalStyle = 0;
    const auto before = UniGalaxies;
    Frm().SetText("txtGalaxy", 8, "12");
    Dialog().CopyPropValueToAllGalaxyTypes(62, 50.0f);
    EXPECT_TRUE(UniGalaxies == before);
    EXPECT_EQ(Frm().GetText("txtGalaxy", 8), "12");
}

TEST_F(PropCopyTest, HugeValuesAreHeldToTheRangeAndNothingElseCopiesAnything) {
    MixStyles();
    Dialog().CopyPropValueToAllGalaxyTypes(21, 1e30f);
    EXPECT_EQ(UniGalaxies[0].Galaxy_ColorMult, 30000);
    Dialog().CopyPropValueToAllGalaxyTypes(5, -1e30f);
    EXPECT_EQ(UniGalaxies[0].Galaxy_Radius, 1);
    const auto before = UniGalaxies;
    Dialog().CopyPropValueToAllGalaxyTypes(21, std::numeric_limits<float>::quiet_NaN());
    Dialog().CopyPropValueToAllGalaxyTypes(68, 5.0f);
    Dialog().CopyPropValueToAllGalaxyTypes(-1, 5.0f);
    EXPECT_TRUE(UniGalaxies == before);

    Choose(21);
    ValueBox().SetText("99999999999999999999999999999999999999999999");
    Dialog().cmdPropCopy_Click();
    EXPECT_EQ(UniGalaxies[0].Galaxy_ColorMult, 30000);
}

// In galaxy-properties mode the boxes show the edited type as its style does;
// the copy must not carry them into that type as another style's values.
TEST_F(PropCopyTest, InGalaxyPropertiesModeTheEditedTypeKeepsWhatItsStyleDoesNotHave) {
    struct Case {
        int style;
        int entry;
        float value;
        std::int32_t (*kept)(const UniGalaxy&);  // what the box shows for the edited type
    };
    const Case cases[] = {
        {4, 8, 50, [](const UniGalaxy& g) -> std::int32_t { return g.Galaxy_CP_Points; }},
        {7, 5, 250, [](const UniGalaxy& g) { return g.Galaxy_Radius; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        MixStyles();
        const int edited = c.style;
        Get<ListBox>("lstUniGalaxy").SetListIndex(edited);
        Dialog().cmdGalProps_Click();
        const UniGalaxy before = UniGalaxies[edited];
        Dialog().CopyPropValueToAllGalaxyTypes(static_cast<std::int16_t>(c.entry), c.value);
        Dialog().cmdAcceptGalProps_Click();
        EXPECT_EQ(c.kept(UniGalaxies[edited]), c.kept(before));
    }
    // The other types took the values as their styles have them.
    EXPECT_EQ(UniGalaxies[14].Galaxy_RadSegs, 50);
    EXPECT_EQ(UniGalaxies[0].Galaxy_Radius, 250);
    EXPECT_NE(UniGalaxies[17].Galaxy_Radius, 250);
}

}  // namespace
}  // namespace orbweave::testing
