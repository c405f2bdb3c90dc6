#include "dialogs/properties/galaxy_transfers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "props_test_form.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/number_text.h"
#include "settings/templates/template_fixture.h"

namespace orbweave {
namespace {

constexpr int kNebula = 4;
constexpr int kMolecule = 9;

class GalaxyTransferTest : public TemplateTest {
protected:
    void SetUp() override {
        TemplateTest::SetUp();
        dialog_ = testing::MakePropsTestForm();
    }

    std::string Box(int index) const { return dialog_->GetText("txtGalaxy", index).value_or("<missing>"); }
    void SetBox(int index, std::string_view text) { dialog_->SetText("txtGalaxy", index, text); }
    void Select(std::string_view list, int item) { dialog_->SetListIndex(list, kNoIndex, item); }

    std::unique_ptr<Form> dialog_;
};

// The fields of the radial boxes and the tilt box that the nebula style
// shows its control-point values in instead, and those control points.
const std::set<std::string_view> kRadialFields{"Galaxy_RadSegs", "Galaxy_RadFill", "Galaxy_RadBands", "Galaxy_RadBFill",
                                               "Galaxy_AngleTilt"};
const std::set<std::string_view> kControlPointFields{"Galaxy_CP_Points", "Galaxy_CP_Steps", "Galaxy_CP_B_Pts",
                                                     "Galaxy_CP_B_Exp", "Galaxy_CP_B_Spd"};
// Changed only by the list editor and the levels editor.
const std::set<std::string_view> kNotInTheFrame{"_UniGalPct",        "_UniGalName",       "Galaxy_StdLevDRad",
                                                "Galaxy_StdLevHSca", "Galaxy_StdLevB_HS", "Galaxy_StdLevB_A0",
                                                "Galaxy_StdLevB_A1"};

// A field's value as text, for messages that name what differs.
std::string FieldText(const UniGalaxy& g, const GalaxyValue& value) {
    return std::visit(
        [&](const auto& v) -> std::string {
            if constexpr (requires { v.field; }) {
                if constexpr (std::is_same_v<std::remove_cvref_t<decltype(g.*v.field)>, float>) {
                    return ShortestText(g.*v.field);
                } else {
                    return std::to_string(g.*v.field);
                }
            } else {
                return g._UniGalName;
            }
        },
        value);
}

TEST_F(GalaxyTransferTest, EveryFactoryTypeKeepsTheFieldsItsStyleUsesThroughTheControls) {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    int compared = 0;
    for (int type = 0; type < kGalaxyTypeCount; ++type) {
        const UniGalaxy factory = UniGalaxies[type];
        UniGalaxyToControls(*dialog_, type);
        UniGalaxies[type] = UniGalaxy{};
        ControlsToUniGalaxy(*dialog_, type);
        const auto& unused = factory.Galaxy_GalStyle == kNebula ? kRadialFields : kControlPointFields;
        for (const GalaxyValue& value : kGalaxyValues) {
            const std::string_view name = GalaxyValueName(value);
            if (kNotInTheFrame.contains(name) || unused.contains(name)) continue;
            ++compared;
            EXPECT_EQ(FieldText(UniGalaxies[type], value), FieldText(factory, value))
                << "type " << type << " (style " << factory.Galaxy_GalStyle << "): " << name;
        }
    }
    EXPECT_GT(compared, 0);
}

TEST_F(GalaxyTransferTest, BoxesReadTheirLeadingNumberAndSharedBoxesFillBothFields) {
    struct Case {
        int box;
        std::string text;
        std::int16_t UniGalaxy::*wholeField;
        std::int16_t whole;
        float UniGalaxy::*floatField;
        float single;
    };
    const std::vector<Case> cases{
        {3, "12", &UniGalaxy::Galaxy_RadSegs, 12, nullptr, 0},
        {4, "50.5", &UniGalaxy::Galaxy_CP_Steps, 50, &UniGalaxy::Galaxy_RadFill, 50.5f},  // halves to even
        {6, "7.5", &UniGalaxy::Galaxy_CP_B_Exp, 8, &UniGalaxy::Galaxy_RadBFill, 7.5f},
        {93, "12abc", &UniGalaxy::Galaxy_CP_B_Spd, 12, &UniGalaxy::Galaxy_AngleTilt, 12},
        {11, "abc", &UniGalaxy::Galaxy_NewFrames, 0, nullptr, 0},  // no number reads as 0
    };
    for (const int style : {0, kNebula}) {
        for (const Case& c : cases) {
            UniGalaxies[7] = UniGalaxy{};
            UniGalaxies[7].Galaxy_CP_Points = -3;
            Select("cboGalStyle", style);
            SetBox(c.box, c.text);
            ControlsToUniGalaxy(*dialog_, 7);
            EXPECT_EQ(UniGalaxies[7].*c.wholeField, c.whole) << "box " << c.box << ", style " << style;
            if (c.floatField != nullptr) {
                EXPECT_EQ(UniGalaxies[7].*c.floatField, c.single) << "box " << c.box;
            }
            if (c.box == 3) {
                EXPECT_EQ(UniGalaxies[7].Galaxy_CP_Points, 12) << "style " << style;
            }
        }
    }
}

TEST_F(GalaxyTransferTest, NebulaAndMoleculeStoreTheirOwnColourWhateverTheColourListShows) {
    const std::vector<std::pair<int, std::int16_t>> cases{{0, 2}, {kNebula, 5}, {kMolecule, 6}, {8, 2}};
    for (const auto& [style, colour] : cases) {
        Select("cboGalStyle", style);
        Select("cboGalColor", 2);
        ControlsToUniGalaxy(*dialog_, 0);
        EXPECT_EQ(UniGalaxies[0].Galaxy_ColorComp, colour) << "style " << style;
    }
}

TEST_F(GalaxyTransferTest, AListWithoutSelectionOrANumberTheFieldCannotHoldKeepsTheField) {
    UniGalaxy& g = UniGalaxies[5];
    g.Galaxy_ColorComp = 5;  // a nebula colour the colour list cannot show
    g.Galaxy_AxisPlane = 1;
    g.Galaxy_Profile = 3;
    g.Galaxy_HueRed = 40;
    g.Galaxy_Radius = 300;
    Select("cboGalStyle", 0);  // the other lists have no selection yet
    dialog_->SetText("txtPixHue", 0, "40000");
    SetBox(0, "1e300");
    ControlsToUniGalaxy(*dialog_, 5);
    EXPECT_EQ(g.Galaxy_ColorComp, 5);
    EXPECT_EQ(g.Galaxy_AxisPlane, 1);
    EXPECT_EQ(g.Galaxy_Profile, 3);
    EXPECT_EQ(g.Galaxy_HueRed, 40);
    EXPECT_EQ(g.Galaxy_Radius, 300);
    EXPECT_EQ(g.Galaxy_GalStyle, 0);

    // Shown and read back, a stored nebula colour the list refuses stays too.
    g.Galaxy_GalStyle = 0;
    UniGalaxyToControls(*dialog_, 5);
    EXPECT_EQ(dialog_->GetListIndex("cboGalColor"), -1);
    ControlsToUniGalaxy(*dialog_, 5);
    EXPECT_EQ(g.Galaxy_ColorComp, 5);
}

TEST_F(GalaxyTransferTest, SharedBoxesShowTheControlPointsOnlyForTheNebulaStyle) {
    UniGalaxy& g = UniGalaxies[9];
    g.Galaxy_RadSegs = 3;
    g.Galaxy_CP_Points = 11;
    g.Galaxy_AngleTilt = 170.5f;
    g.Galaxy_CP_B_Spd = 640;
    for (const auto& [style, box3, box93] :
         {std::tuple{0, "3", "170.5"}, std::tuple{kNebula, "11", "640"}, std::tuple{kMolecule, "3", "170.5"}}) {
        g.Galaxy_GalStyle = static_cast<std::int16_t>(style);
        UniGalaxyToControls(*dialog_, 9);
        EXPECT_EQ(Box(3), box3) << "style " << style;
        EXPECT_EQ(Box(93), box93) << "style " << style;
    }
}

TEST_F(GalaxyTransferTest, TheStyleIsChosenAfterEveryBoxHoldsTheNewType) {
    UniGalaxies[1].Galaxy_GalStyle = 2;
    UniGalaxies[1].Galaxy_RadSegs = 6;
    UniGalaxies[1].Galaxy_HueStart = 120;
    std::vector<std::string> seenByStyleChoice;
    dialog_->BindArray("cboGalStyle", {.click = [&](int) { seenByStyleChoice.push_back(Box(3) + "," + Box(95)); }});
    UniGalaxyToControls(*dialog_, 1);
    EXPECT_EQ(seenByStyleChoice, std::vector<std::string>{"6,120"});
}

TEST_F(GalaxyTransferTest, AGalaxyTypeOutsideTheTableChangesNothing) {
    SetBox(0, "777");
    for (const int type : {-1, kGalaxyTypeCount, kUniGalaxySlots - 1, kUniGalaxySlots, 40000}) {
        if (IsUniGalaxySlot(type)) UniGalaxies[type].Galaxy_Radius = 5;
        ControlsToUniGalaxy(*dialog_, type);
        UniGalaxyToControls(*dialog_, type);
        if (IsUniGalaxySlot(type)) {
            EXPECT_EQ(UniGalaxies[type].Galaxy_Radius, 5) << type;
        }
        EXPECT_EQ(Box(0), "777") << type;
    }
}

}  // namespace
}  // namespace orbweave
