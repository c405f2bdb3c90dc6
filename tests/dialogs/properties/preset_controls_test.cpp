// Factory rows spread over the dialog's controls: the galaxy frame (and the
// galaxy-type fields without a control) and the universe controls.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "dialogs/properties/galaxy_frame_fixture.h"
#include "dialogs/properties/preset_controls.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

using PresetControlsTest = testing::GalaxyFrameTest;

// A row with some columns replaced (the row is extended with "0" as needed).
std::string WithColumns(const std::string& row, const std::vector<std::pair<int, std::string>>& columns) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = row.find(',', start);
        fields.push_back(row.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    for (const auto& [column, text] : columns) {
        if (fields.size() <= static_cast<std::size_t>(column)) fields.resize(static_cast<std::size_t>(column) + 1, "0");
        fields[static_cast<std::size_t>(column)] = text;
    }
    std::string joined;
    for (std::size_t k = 0; k < fields.size(); ++k) joined += (k ? "," : "") + fields[k];
    return joined;
}

// A row of the given style bringing count entries whose seven values are
// 10 * entry + value (atoms: structure type 5, 38 points).
std::string BlockRow(int style, int count) {
    std::vector<std::pair<int, std::string>> columns{
        {3, std::to_string(style)}, {68, std::to_string(count)}, {69, "11"}, {70, "12"}, {71, "13"}};
    for (int j = 0; j < count; ++j) {
        for (int v = 0; v < 7; ++v)
            columns.emplace_back(72 + 7 * j + v, style == 9 && v == 1 ? "5" : std::to_string(10 * j + v));
    }
    return WithColumns(GetUniGalaxyPreset(1), columns);
}

TEST_F(PresetControlsTest, NebulaThemeOnAStandardTypeRelabelsAndFillsTheFrame) {
    UniGalaxy& type = UniGalaxies[0];
    dialog.Get<ListBox>("lstUniGalaxy").SetListIndex(0);
    dialog.Get<ComboBox>("cboGalStyle").SetListIndex(0);
    dialog.Get<ComboBox>("cboGalTheme").SetListIndex(23);

    EXPECT_EQ(ListIndex("cboGalStyle"), 4);
    EXPECT_EQ(Caption("lblGalaxy", 2), "C-Points (1 - 20), Steps (0 - 9999):");
    EXPECT_EQ(Text("txtGalaxy", 3), "10");
    EXPECT_EQ(Text("txtGalaxy", 4), "750");
    EXPECT_EQ(Text("txtGalaxy", 93), "0");
    EXPECT_EQ(dialog.Get<CheckBox>("chkCP_Closed").Value(), 1);
    EXPECT_EQ(dialog.Get<CheckBox>("chkCP_AdvHW").Value(), 1);
    EXPECT_EQ(type._UniGalName, "Standard Galaxy");
    EXPECT_EQ(type._UniGalPct, 30);
}

TEST_F(PresetControlsTest, NebulaReadsItsControlPointColumnsAndIgnoresTheRadialOnes) {
    const std::string row = WithColumns(GetUniGalaxyPreset(23), {{5, "2"},
                                                                 {6, "3"},
                                                                 {7, "4"},
                                                                 {8, "5"},
                                                                 {13, "6"},
                                                                 {51, "17"},
                                                                 {52, "4321"},
                                                                 {53, "33"},
                                                                 {54, "44"},
                                                                 {55, "555"}});
    GalaxyPresetToControls(dialog, row, 0);
    EXPECT_EQ(Text("txtGalaxy", 3), "17");
    EXPECT_EQ(Text("txtGalaxy", 4), "4321");
    EXPECT_EQ(Text("txtGalaxy", 5), "33");
    EXPECT_EQ(Text("txtGalaxy", 6), "44");
    EXPECT_EQ(Text("txtGalaxy", 93), "555");
}

TEST_F(PresetControlsTest, StandardRowSetsLevelOptionsAndEmptiesTheBlocks) {
    UniGalaxy& type = UniGalaxies[3];
    type.Atoms.Galaxy_Atoms = 3;
    type.Ifs.Galaxy_IFS_Points = 2;
    GalaxyPresetToControls(dialog, WithColumns(GetUniGalaxyPreset(1), {{60, "0"}, {61, ""}, {62, "2"}, {63, "0"}}), 3);
    EXPECT_EQ(type.Galaxy_StdLevDRad, 1);
    EXPECT_EQ(type.Galaxy_StdLevHSca, 0.0f);
    EXPECT_EQ(type.Galaxy_StdLevB_HS, -1);
    EXPECT_EQ(type.Galaxy_StdLevB_A0, 0);
    EXPECT_EQ(type.Atoms.Galaxy_Atoms, 0);
    EXPECT_EQ(type.Ifs.Galaxy_IFS_Points, 0);
}

TEST_F(PresetControlsTest, OtherStylesKeepLevelOptions) {
    UniGalaxy& type = UniGalaxies[3];
    type.Galaxy_StdLevDRad = 777;
    GalaxyPresetToControls(dialog, WithColumns(GetUniGalaxyPreset(1), {{3, "5"}, {60, "9"}}), 3);
    EXPECT_EQ(type.Galaxy_StdLevDRad, 777);
}

TEST_F(PresetControlsTest, StyleColumnWithoutNumberLeavesTheListAndCountsAsStandard) {
    dialog.Get<ComboBox>("cboGalStyle").SetListIndex(6);
    GalaxyPresetToControls(dialog, WithColumns(GetUniGalaxyPreset(1), {{3, "x"}, {60, "250"}}), 3);
    EXPECT_EQ(ListIndex("cboGalStyle"), 6);
    EXPECT_EQ(UniGalaxies[3].Galaxy_StdLevDRad, 250);
}

struct BlockCase {
    int style;
    int countInRow;
    int countStored;
};

TEST_F(PresetControlsTest, BlocksStoreAtMostTheirCapacity) {
    const BlockCase cases[] = {{8, 5, 5}, {8, 9, 5}, {8, 0, 0}, {9, 10, 10}, {9, 40, 32}};
    for (const BlockCase& c : cases) {
        UniGalaxy& type = UniGalaxies[7];
        GalaxyPresetToControls(dialog, BlockRow(c.style, c.countInRow), 7);
        const int last = c.countStored - 1;
        if (c.style == 8) {
            EXPECT_EQ(type.Ifs.Galaxy_IFS_Points, c.countStored) << c.countInRow;
            EXPECT_EQ(type.Atoms.Galaxy_Atoms, 0);
            if (last >= 0) {
                EXPECT_EQ(type.Ifs.IFS_CenterZ, 13);
                EXPECT_EQ(type.Ifs.IFS_X[static_cast<std::size_t>(last)], 10 * last);
                EXPECT_EQ(type.Ifs.IFS_Pct[static_cast<std::size_t>(last)], 10 * last + 6);
            }
        } else {
            EXPECT_EQ(type.Atoms.Galaxy_Atoms, c.countStored) << c.countInRow;
            EXPECT_EQ(type.Ifs.Galaxy_IFS_Points, 0);
            EXPECT_EQ(type.Atoms.Atom_CenterX, 11);
            EXPECT_EQ(type.Atoms.Atom_Element[static_cast<std::size_t>(last)], 10 * last);
            EXPECT_EQ(type.Atoms.Atom_SymRadius[static_cast<std::size_t>(last)], 10 * last + 6);
            EXPECT_EQ(type.Atoms.Run_AtomPoints[static_cast<std::size_t>(last)], 38);
        }
    }
}

TEST_F(PresetControlsTest, AtomOfUnknownStructureKeepsItsPointCount) {
    AtomBlock& atoms = UniGalaxies[7].Atoms;
    atoms.Run_AtomPoints.fill(77);
    GalaxyPresetToControls(dialog,
                           WithColumns(BlockRow(9, 3), {{72 + 1, "12"}, {72 + 7 + 1, "-1"}, {72 + 14 + 1, "11"}}), 7);
    EXPECT_EQ(atoms.Run_AtomPoints[0], 77);
    EXPECT_EQ(atoms.Run_AtomPoints[1], 77);
    EXPECT_EQ(atoms.Run_AtomPoints[2], 1);
}

TEST_F(PresetControlsTest, TypeOutsideTheTableFillsControlsOnly) {
    const auto before = UniGalaxies;
    GalaxyPresetToControls(dialog, BlockRow(9, 3), 50);
    GalaxyPresetToControls(dialog, BlockRow(9, 3), -1);
    EXPECT_EQ(UniGalaxies, before);
    EXPECT_EQ(ListIndex("cboGalStyle"), 9);
}

// The control of a galaxy value read back as a number, or nothing when the
// form has no such control.
std::optional<double> ControlNumber(const Form& dialog, ControlPlace place) {
    const ControlRef ref = ControlOf(place);
    const Control* control = ref.name.empty() ? nullptr : dialog.Find(ref.name, ref.index);
    if (control == nullptr) return std::nullopt;
    if (const auto* list = dynamic_cast<const ListControl*>(control)) {
        if (const auto* box = dynamic_cast<const ComboBox*>(control); box && box->Editable()) return std::nullopt;
        return list->ListIndex();
    }
    if (const auto* check = dynamic_cast<const CheckBox*>(control)) return check->Value();
    return LeadingNumber(control->Text());
}

bool IsControlPointValue(std::string_view name) {
    return name.starts_with("Galaxy_CP_") && name != "Galaxy_CP_Close" && name != "Galaxy_CP_AdvHW";
}
bool IsSharedWithControlPoints(std::string_view name) {
    return name == "Galaxy_RadSegs" || name == "Galaxy_RadFill" || name == "Galaxy_RadBands" ||
           name == "Galaxy_RadBFill" || name == "Galaxy_AngleTilt";
}

// Every factory type, put into the controls by its row, reads back from the
// controls as the factory loader reads the same row into a record; the
// blocks the row brings land in the record.
TEST_F(PresetControlsTest, EveryFactoryTypeRoundTripsThroughTheControls) {
    int compared = 0;
    for (std::int16_t t = 0; t < kGalaxyTypeCount; ++t) {
        const UniGalaxy expected = UniGalaxies[static_cast<std::size_t>(t)];
        UniGalaxy& type = UniGalaxies[static_cast<std::size_t>(t)];
        type.Ifs = IfsBlock{};
        type.Atoms = AtomBlock{};
        GalaxyPresetToControls(dialog, GetUniGalaxyPreset(static_cast<std::int16_t>(t + 1)), t);

        const std::int16_t style = expected.Galaxy_GalStyle;
        for (const GalaxyValue& value : kGalaxyValues) {
            std::visit(
                [&](const auto& v) {
                    using V = std::decay_t<decltype(v)>;
                    if constexpr (!std::is_same_v<V, GalaxyNameValue>) {
                        const std::string_view name = v.name;
                        if (style == 4 ? IsSharedWithControlPoints(name) : IsControlPointValue(name)) return;
                        // Nebulae and molecules show no colour list: their computation is fixed.
                        if (name == "Galaxy_ColorComp" && (style == 4 || style == 9)) return;
                        const std::optional<double> read = ControlNumber(dialog, v.control);
                        if (!read) return;
                        ++compared;
                        double shown = *read;
                        double stored = 0;
                        if constexpr (std::is_same_v<V, GalaxyFlagValue>) {
                            stored = expected.*v.field != 0 ? 1 : 0;
                        } else {
                            stored = static_cast<double>(expected.*v.field);
                            if constexpr (std::is_same_v<V, GalaxySingleValue>) shown = static_cast<float>(shown);
                        }
                        EXPECT_EQ(shown, stored) << "type " << t << " " << name;
                    }
                },
                value);
        }
        EXPECT_EQ(ListIndex("cboGalStyle"), style) << "type " << t;
        EXPECT_EQ(type.Ifs.Galaxy_IFS_Points, expected.Ifs.Galaxy_IFS_Points) << "type " << t;
        EXPECT_EQ(type.Atoms.Galaxy_Atoms, expected.Atoms.Galaxy_Atoms) << "type " << t;
        for (std::size_t j = 0; j < static_cast<std::size_t>(expected.Ifs.Galaxy_IFS_Points); ++j) {
            EXPECT_EQ(type.Ifs.IFS_Angle[j], expected.Ifs.IFS_Angle[j]) << "type " << t << " transform " << j;
            EXPECT_EQ(type.Ifs.IFS_Pct[j], expected.Ifs.IFS_Pct[j]) << "type " << t << " transform " << j;
        }
        for (std::size_t j = 0; j < static_cast<std::size_t>(expected.Atoms.Galaxy_Atoms); ++j) {
            EXPECT_EQ(type.Atoms.Atom_Structure[j], expected.Atoms.Atom_Structure[j]) << "type " << t << " atom " << j;
            EXPECT_EQ(type.Atoms.Atom_SymRadius[j], expected.Atoms.Atom_SymRadius[j]) << "type " << t << " atom " << j;
            EXPECT_EQ(type.Atoms.Run_AtomPoints[j], expected.Atoms.Run_AtomPoints[j]) << "type " << t << " atom " << j;
        }
        if (style == 0 && expected.Galaxy_StdLevels > 1) {
            EXPECT_EQ(type.Galaxy_StdLevDRad, expected.Galaxy_StdLevDRad) << "type " << t;
            EXPECT_EQ(type.Galaxy_StdLevHSca, expected.Galaxy_StdLevHSca) << "type " << t;
        }
    }
    EXPECT_GT(compared, 0);
}

TEST_F(PresetControlsTest, UniverseThemeFillsTheUniverseControlsAndKeepsTheCameraRamp) {
    SetText("txtUni", 34, "123");
    SetText("cboTourGalaxies", kNoIndex, "1 2 3");
    UniversePresetToControls(dialog, GetUniverseThemePreset(1));
    EXPECT_EQ(Text("txtUni", 0), "18000");
    EXPECT_EQ(Text("txtUni", 12), "0.985");
    EXPECT_EQ(Text("txtUni", 51), "1");
    EXPECT_EQ(ListIndex("cboUniProfile"), 51);
    EXPECT_EQ(dialog.Get<CheckBox>("chkUniTour").Value(), 1);
    EXPECT_EQ(dialog.Get<CheckBox>("chkVisitSeq").Value(), 0);
    EXPECT_EQ(Text("txtBlend", 0), "100");
    EXPECT_EQ(Text("txtBlend", 1), "40");
    EXPECT_EQ(Text("cboTourGalaxies"), "");
    EXPECT_EQ(Text("txtUni", 34), "123");

    UniversePresetToControls(dialog, GetUniverseThemePreset(8));
    EXPECT_EQ(Text("txtUni", 50), "125000");
    EXPECT_EQ(ListIndex("cboUniProfile"), 0);
    EXPECT_EQ(dialog.Get<CheckBox>("chkUniTour").Value(), 0);
}

}  // namespace
}  // namespace orbweave
