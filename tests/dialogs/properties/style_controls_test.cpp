// The galaxy frame laid out for each galaxy style: rows shown, captions,
// box ranges and help numbers, and what happens to the values the boxes hold.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dialogs/properties/galaxy_frame_fixture.h"
#include "dialogs/properties/props_boxes.h"
#include "dialogs/properties/style_controls.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

using testing::GalaxyFrameTest;

struct Range {
    int low;
    int high;
    bool operator==(const Range&) const = default;
};

// One style's layout as the user sees it. shown: one letter per control of
// kShownControls. ranges: the spin ranges of the boxes 3, 4, 5 and 6.
struct StyleLayout {
    std::int16_t style;
    const char* shown;
    std::array<Range, 4> ranges;
    const char* radialsCaption;
    int fillHelp;
};

const ControlRef kShownControls[] = {
    {"txtGalaxy", 3}, {"txtGalaxy", 5}, {"txtGalaxy", 6},  {"cboGalProfile"}, {"cmdIFS_Chem"},   {"chkCP_Closed"},
    {"cboGalColor"},  {"txtGalaxy", 8}, {"txtGalaxy", 90}, {"txtGalaxy", 91}, {"txtGalaxy", 92}, {"txtGalaxy", 9},
};

constexpr Range kCount{1, 99};
constexpr Range kPercent{0, 100};
constexpr const char* kRadials = "Radials (1 - 99), Fill % (0 - 100):";

// Styles 8 and 9 follow style 0 here, so they keep style 0's ranges.
const StyleLayout kLayouts[] = {
    {0, "yyyynnynyyyy", {kCount, kPercent, kCount, kPercent}, kRadials, 6041},
    {1, "yynynnynyyyn", {kCount, kPercent, {0, 360}, kPercent}, "Points (1 - 99), Scale % (0 - 100):", 6511},
    {2, "yynnnnynynnn", {{{4, 10}, kPercent, kCount, kPercent}}, "Vertices (4 - 10), Scale % (0 - 100):", 6521},
    {3, "ynnnnnynynnn", {{{4, 10}, kPercent, kCount, kPercent}}, "Points (4 - 10), Scale % (0 - 100):", 6531},
    {4, "yyynnynnyyyn", {{{1, 20}, {0, 9999}, kCount, kPercent}}, "C-Points (1 - 20), Steps (0 - 9999):", 6541},
    {5, "yyyynnyyyyyn", {kCount, kPercent, kCount, kPercent}, kRadials, 6041},
    {6, "yyyynnyyyyyn", {kCount, kPercent, kCount, kPercent}, kRadials, 6041},
    {7, "yyynnnynyynn", {kCount, kPercent, kCount, {0, 999}}, kRadials, 6041},
    {8, "nnnnynynnnnn", {kCount, kPercent, kCount, kPercent}, kRadials, 6041},
    {9, "nnnnynnnnnnn", {kCount, kPercent, kCount, kPercent}, kRadials, 6041},
};

class StyleLayouts : public GalaxyFrameTest, public ::testing::WithParamInterface<StyleLayout> {};

TEST_P(StyleLayouts, ShowRowsCaptionsRangesAndHelpOfTheStyle) {
    const StyleLayout& expected = GetParam();
    SetupGalaxyStyleControls(dialog, 0);
    SetupGalaxyStyleControls(dialog, expected.style);

    std::string shown;
    for (ControlRef ref : kShownControls) shown += Shown(ref.name, ref.index) ? 'y' : 'n';
    EXPECT_EQ(shown, expected.shown);
    for (int k = 0; k < 4; ++k) {
        const auto& spin = dialog.Get<SpinControl>("spnGalaxy", 3 + k);
        // The spin runs from its high bound (Min) to its low bound (Max).
        EXPECT_EQ((Range{spin.Max(), spin.Min()}), expected.ranges[static_cast<std::size_t>(k)]) << "box " << 3 + k;
        EXPECT_EQ(spin.Visible(), Shown("txtGalaxy", 3 + k)) << "spin " << 3 + k;
    }
    EXPECT_EQ(Caption("lblGalaxy", 2), expected.radialsCaption);
    EXPECT_EQ(dialog.Get("txtGalaxy", 4).HelpContextId(), expected.fillHelp);
    EXPECT_EQ(Caption("cmdIFS_Chem"),
              expected.style == 8 ? "User Defined Iterated Function System..." : "User Defined Molecular Structure...");
}

INSTANTIATE_TEST_SUITE_P(AllStyles, StyleLayouts, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<StyleLayout>& layout) {
                             return "Style" + std::to_string(layout.param.style);
                         });

using StyleControlsTest = GalaxyFrameTest;

TEST_F(StyleControlsTest, NarrowerStyleReclampsRadialBoxesAndUserStylesKeepThem) {
    SetupGalaxyStyleControls(dialog, 0);
    SetText("txtGalaxy", 3, "12");
    SetupGalaxyStyleControls(dialog, 2);
    EXPECT_EQ(Text("txtGalaxy", 3), "10");
    SetupGalaxyStyleControls(dialog, 8);
    EXPECT_EQ(Text("txtGalaxy", 3), "10");
    EXPECT_FALSE(Shown("txtGalaxy", 3));
    EXPECT_EQ(dialog.Get<SpinControl>("spnGalaxy", 3).Min(), 10);
}

TEST_F(StyleControlsTest, RadialBoxesRoundHalvesToEven) {
    SetText("txtGalaxy", 4, "12.5");
    SetText("txtGalaxy", 6, "12.7");
    SetText("txtGalaxy", 5, "13.5");
    SetupGalaxyStyleControls(dialog, 7);
    EXPECT_EQ(Text("txtGalaxy", 4), "12");
    EXPECT_EQ(Text("txtGalaxy", 6), "13");
    EXPECT_EQ(Text("txtGalaxy", 5), "14");
}

// What a style's spin offers, and what its box keeps when left, validation
// stores unchanged: no value the dialog accepts is altered by the save.
TEST_F(StyleControlsTest, EveryStyleOffersAndKeepsOnlyWhatItsTypeStores) {
    UniGalaxy& stored = UniGalaxies[0];
    for (std::int16_t style = 0; style < kGalaxyStyleCount; ++style) {
        SetupGalaxyStyleControls(dialog, style);
        for (const int box : {3, 4, 5, 6, 93}) {
            SCOPED_TRACE(::testing::Message() << "style " << style << ", box " << box);
            const std::optional<LeaveRange> leave = StyleLeaveRange(style, box);
            ASSERT_TRUE(leave.has_value());
            if (box != 93 && style < 8) {
                const auto& spin = dialog.Get<SpinControl>("spnGalaxy", box);
                EXPECT_GE(spin.Max(), leave->low);  // the spin runs from high (Min) down to low (Max)
                EXPECT_LE(spin.Min(), leave->high);
            }
            for (const double edge : {leave->low, leave->high}) {
                stored.Galaxy_GalStyle = style;
                ValidateUniGalaxy(0);
                const auto value = static_cast<std::int16_t>(edge);
                switch (box) {
                case 3: stored.Galaxy_RadSegs = value; break;
                case 4: stored.Galaxy_RadFill = value; break;
                case 5: stored.Galaxy_RadBands = value; break;
                case 6: stored.Galaxy_RadBFill = value; break;
                default:
                    if (style == kNebulaStyle)
                        stored.Galaxy_CP_B_Spd = value;
                    else
                        stored.Galaxy_AngleTilt = value;
                }
                const UniGalaxy before = stored;
                ValidateUniGalaxy(0);
                EXPECT_EQ(stored, before) << edge;
            }
        }
    }
}

struct TiltCase {
    std::int16_t fromStyle;
    const char* text;
    std::int16_t toStyle;
    const char* expected;
};

TEST_F(StyleControlsTest, TiltBoxBecomesWholeNumberInTheStylesRange) {
    const TiltCase cases[] = {
        {4, "750", 0, "360"}, {0, "200", 4, "200"},         {0, "abc", 0, "0"},  // no number counts as 0
        {0, "12.5", 1, "12"},                                                    // halves to even
        {0, "-5", 8, "0"},    {0, "99999999999", 4, "999"},  // far beyond 16 bits: clamped, not skipped
    };
    for (const TiltCase& c : cases) {
        SetupGalaxyStyleControls(dialog, c.fromStyle);
        SetText("txtGalaxy", 93, c.text);
        SetupGalaxyStyleControls(dialog, c.toStyle);
        EXPECT_EQ(Text("txtGalaxy", 93), c.expected) << c.text << " from style " << c.fromStyle << " to " << c.toStyle;
    }
}

TEST_F(StyleControlsTest, NebulaRelabelsItsRowsAndSetsTheirHelp) {
    SetupGalaxyStyleControls(dialog, 4);
    EXPECT_EQ(Caption("lblGalaxy", 93), "Bias Point Travel Speed (0 - 999):");
    EXPECT_EQ(Caption("lblOtherColorCycles"), "Nebula Hue Wheel Cycling Offset  (0 - 30000):");
    EXPECT_EQ(dialog.Get("lblGalaxy", 93).HelpContextId(), 6544);
    EXPECT_EQ(dialog.Get("txtGalaxy", 6).HelpContextId(), 6543);
    // Back to the standard style: default captions and help numbers return.
    SetupGalaxyStyleControls(dialog, 0);
    EXPECT_EQ(Caption("lblGalaxy", 93), "Initial Tilt Angle in Degrees (0 - 360):");
    EXPECT_EQ(Caption("lblGalaxy", 90), "Levels (1-10), H/W Ratio (0.0 - 99.9):");
    EXPECT_EQ(Caption("lblOtherColorCycles"), "Atomic Sphere Color Blending  (0 - 30000):");
    EXPECT_EQ(dialog.Get("lblGalaxy", 93).HelpContextId(), 6140);
    EXPECT_EQ(dialog.Get("txtGalaxy", 6).HelpContextId(), 6046);
}

using Snapshot = std::vector<std::tuple<std::string, int, bool, std::string, std::string, int>>;

Snapshot TakeSnapshot(const Form& dialog) {
    Snapshot snapshot;
    for (const Control* c : dialog.Controls())
        snapshot.emplace_back(c->Name(), c->Index(), c->Visible(), c->Caption(), c->Text(), c->HelpContextId());
    return snapshot;
}

TEST_F(StyleControlsTest, StyleOutsideTheListAndARepeatedStyleChangeNothing) {
    SetupGalaxyStyleControls(dialog, 4);
    SetText("txtGalaxy", 93, "998");
    const Snapshot before = TakeSnapshot(dialog);
    for (std::int16_t style : {std::int16_t{10}, std::int16_t{-1}, std::int16_t{4}}) {
        SetupGalaxyStyleControls(dialog, style);
        EXPECT_EQ(TakeSnapshot(dialog), before) << "style " << style;
    }
}

}  // namespace
}  // namespace orbweave
