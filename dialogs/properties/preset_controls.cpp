#include "dialogs/properties/preset_controls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "settings/element_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr std::int16_t kStandardStyle = 0;
constexpr std::int16_t kNebulaStyle = 4;
constexpr std::int16_t kIfsStyle = 8;
constexpr std::int16_t kMoleculeStyle = 9;

// --- Galaxy rows -------------------------------------------------------------

enum class Into : std::uint8_t { Text, ListIndex, CheckValue };

// One column of a galaxy row and the control it fills; the nebula reads its
// control-point values from other columns into the same boxes.
struct GalaxyColumn {
    int column;
    ControlRef control;
    Into into = Into::Text;
    int nebulaColumn = -1;
};

constexpr ControlRef Box(int index) { return {"txtGalaxy", index}; }

// Columns 0 to 3 come first (radius, rotation, distance, then the style,
// whose click re-lays the frame); these follow, in this order.
constexpr std::array<GalaxyColumn, 3> kLeadingColumns{{{0, Box(0)}, {1, Box(1)}, {2, Box(2)}}};
constexpr int kStyleColumn = 3;

constexpr auto kGalaxyColumns = std::to_array<GalaxyColumn>({
    {4, {"cboGalPlane"}, Into::ListIndex},
    {5, Box(3), Into::Text, 51},
    {6, Box(4), Into::Text, 52},
    {7, Box(5), Into::Text, 53},
    {8, Box(6), Into::Text, 54},
    {9, Box(7)},
    {56, {"chkCP_Closed"}, Into::CheckValue},
    {57, {"chkCP_AdvHW"}, Into::CheckValue},
    {58, Box(8)},
    {59, Box(9)},
    {10, Box(90)},
    {11, Box(91)},
    {12, Box(92)},
    {13, Box(93), Into::Text, 55},
    {14, Box(94)},
    {15, Box(95)},
    {16, Box(96)},
    {17, {"cboGalColor"}, Into::ListIndex},
    {18, {"cboGalProfile"}, Into::ListIndex},
    {19, Box(10)},
    {20, Box(11)},
    {21, Box(12)},
    {22, Box(20)},
    {23, Box(21)},
    {24, Box(22)},
    {25, Box(30)},
    {26, Box(31)},
    {27, Box(32)},
    {28, Box(33)},
    {29, Box(34)},
    {30, Box(35)},
    {31, {"cboPulsarShape"}, Into::ListIndex},
    {35, Box(40)},
    {36, Box(41)},
    {37, Box(42)},
    {38, Box(43)},
    {39, Box(44)},
    {40, Box(45)},
    {41, Box(46)},
    {42, {"chkCometVector"}, Into::CheckValue},
    {43, Box(47)},
    {44, Box(48)},
    {45, Box(49)},
    {46, {"txtPixHue", 0}},
    {47, {"txtPixHue", 1}},
    {48, {"txtPixHue", 2}},
    {49, {"txtPixHue", 3}},
    {50, {"txtPixHue", 4}},
});

// The standard style's level options; the levels editor owns them otherwise.
constexpr int kLevelRadiusColumn = 60;
constexpr int kLevelHeightColumn = 61;
constexpr std::array<std::pair<int, std::int16_t UniGalaxy::*>, 3> kLevelFlagColumns{{
    {62, &UniGalaxy::Galaxy_StdLevB_HS},
    {63, &UniGalaxy::Galaxy_StdLevB_A0},
    {64, &UniGalaxy::Galaxy_StdLevB_A1},
}};
constexpr std::int32_t kLevelRadiusLow = 1;
constexpr std::int32_t kLevelRadiusHigh = 30000;
constexpr float kLevelHeightHigh = 99.9f;

// The user-defined blocks: a count, a centre, then seven values per entry.
constexpr int kBlockCountColumn = 68;
constexpr int kBlockCentreColumn = 69;
constexpr int kFirstEntryColumn = 72;
constexpr int kColumnsPerEntry = 7;

void SetFromColumn(Form& dialog, const GalaxyColumn& column, const std::string& text) {
    Control* control = dialog.Find(column.control.name, column.control.index);
    if (control == nullptr) return;
    if (column.into == Into::Text) {
        control->SetText(text);
        return;
    }
    const std::optional<std::int16_t> number = TextToInt16(text);
    if (!number) return;
    if (column.into == Into::ListIndex) {
        if (auto* list = dynamic_cast<ListControl*>(control)) list->SetListIndex(*number);
    } else if (auto* check = dynamic_cast<CheckBox*>(control)) {
        check->SetValue(*number);
    }
}

void LoadInt16(std::int16_t& field, const std::string& text) {
    if (const auto number = TextToInt16(text)) field = *number;
}

// "0" in front makes an empty column read as 0; the value is clamped before
// it is converted, so that no number overflows the field.
void LoadLevelOptions(UniGalaxy& type, const std::string& row) {
    const double radius = LeadingNumber("0" + GetCSVField(row, kLevelRadiusColumn));
    type.Galaxy_StdLevDRad = static_cast<std::int32_t>(
        std::nearbyint(std::clamp(radius, double{kLevelRadiusLow}, double{kLevelRadiusHigh})));
    const double height = LeadingNumber("0" + GetCSVField(row, kLevelHeightColumn));
    type.Galaxy_StdLevHSca = static_cast<float>(std::clamp(height, 0.0, double{kLevelHeightHigh}));
    for (const auto& [column, field] : kLevelFlagColumns) {
        if (const auto flag = TextToDouble(GetCSVField(row, column))) type.*field = *flag != 0 ? -1 : 0;
    }
}

// The count of entries the row brings, never more than the block holds; 0
// when the row brings none.
int EntryCount(const std::string& row, int capacity) {
    const std::int16_t count = TextToInt16(GetCSVField(row, kBlockCountColumn)).value_or(0);
    return std::clamp<int>(count, 0, capacity);
}

std::string EntryColumn(const std::string& row, int entry, int value) {
    return GetCSVField(row, kFirstEntryColumn + kColumnsPerEntry * entry + value);
}

template <class Block, std::size_t Capacity>
using EntryColumns = std::array<std::array<std::int16_t, Capacity> Block::*, kColumnsPerEntry>;

// The order of a transform's and of an atom's seven values in a row.
constexpr EntryColumns<IfsBlock, kIfsPointCapacity> kIfsColumns{
    &IfsBlock::IFS_X,    &IfsBlock::IFS_Y,     &IfsBlock::IFS_Z,   &IfsBlock::IFS_Scale,
    &IfsBlock::IFS_Axis, &IfsBlock::IFS_Angle, &IfsBlock::IFS_Pct,
};
constexpr EntryColumns<AtomBlock, kAtomCapacity> kAtomColumns{
    &AtomBlock::Atom_Element, &AtomBlock::Atom_Structure, &AtomBlock::Atom_X,         &AtomBlock::Atom_Y,
    &AtomBlock::Atom_Z,       &AtomBlock::Atom_Radius,    &AtomBlock::Atom_SymRadius,
};

template <class Block, std::size_t Capacity>
void LoadEntries(Block& block, std::int16_t Block::*count, const std::array<std::int16_t Block::*, 3>& centre,
                 const EntryColumns<Block, Capacity>& columns, const std::string& row) {
    const int entries = EntryCount(row, static_cast<int>(Capacity));
    block.*count = static_cast<std::int16_t>(entries);
    for (int k = 0; k < 3; ++k)
        LoadInt16(block.*centre[static_cast<std::size_t>(k)], GetCSVField(row, kBlockCentreColumn + k));
    for (int j = 0; j < entries; ++j) {
        for (int v = 0; v < kColumnsPerEntry; ++v) {
            LoadInt16((block.*columns[static_cast<std::size_t>(v)])[static_cast<std::size_t>(j)],
                      EntryColumn(row, j, v));
        }
    }
}

// An atom of a known structure type (0..11) takes that type's point count;
// any other keeps the count it had.
void LoadAtomPoints(AtomBlock& atoms) {
    for (int j = 0; j < atoms.Galaxy_Atoms; ++j) {
        const auto a = static_cast<std::size_t>(j);
        const std::int16_t structure = atoms.Atom_Structure[a];
        if (structure < 0 || structure > kLastStructure) continue;
        if (const auto points = GetStructurePointCount(structure)) atoms.Run_AtomPoints[a] = *points;
    }
}

void LoadRecordColumns(UniGalaxy& type, std::int16_t style, const std::string& row) {
    if (style == kStandardStyle) LoadLevelOptions(type, row);
    type.Ifs.Galaxy_IFS_Points = 0;
    if (style == kIfsStyle) {
        IfsBlock& ifs = type.Ifs;
        LoadEntries(ifs, &IfsBlock::Galaxy_IFS_Points,
                    {&IfsBlock::IFS_CenterX, &IfsBlock::IFS_CenterY, &IfsBlock::IFS_CenterZ}, kIfsColumns, row);
    }
    type.Atoms.Galaxy_Atoms = 0;
    if (style == kMoleculeStyle) {
        AtomBlock& atoms = type.Atoms;
        LoadEntries(atoms, &AtomBlock::Galaxy_Atoms,
                    {&AtomBlock::Atom_CenterX, &AtomBlock::Atom_CenterY, &AtomBlock::Atom_CenterZ}, kAtomColumns, row);
        LoadAtomPoints(atoms);
    }
}

// --- Universe rows -----------------------------------------------------------

// The stored value each column of a universe theme stands for; column 19 is
// not applied.
constexpr std::array<std::string_view, 30> kUniverseColumns{
    "Universe_Stars",     "Universe_Galaxy",     "Universe_Expand",  "Universe_ESteps",   "Universe_Persist",
    "Universe_Damping",   "Universe_HW_Start",   "Universe_HW_End",  "Universe_Recycle",  "Universe_Profile",
    "Universe_NewFreq",   "Universe_NewPctStEx", "Universe_GSteps",  "Universe_GPCtrl",   "Universe_GCCtrl",
    "Universe_DstCen",    "Universe_Tour",       "Universe_GVisit",  "Universe_RotCam",   "",
    "Universe_AmStar",    "Universe_AmPers",     "Universe_AmCAge",  "Universe_AmFrames", "Universe_AmMaxExt",
    "Universe_GravForce", "Universe_GravFrame",  "DX_BlendUniBurst", "DX_BlendUniTravel", "Universe_GS_Idx",
};

const UniverseValue* UniverseRow(std::string_view name) {
    if (const UniverseValue* value = FindUniverseValue(name)) return value;
    for (const UniverseValue& level : kUniverseBlendLevels) {
        if (level.name == name) return &level;
    }
    return nullptr;
}

Into UniverseInto(UniverseValueType type) {
    switch (type) {
    case UniverseValueType::Flag: return Into::CheckValue;
    case UniverseValueType::Int16: return Into::ListIndex;
    default: return Into::Text;
    }
}

}  // namespace

void GalaxyPresetToControls(Form& dialog, std::string sRow, std::int16_t galaxyType) {
    for (const GalaxyColumn& column : kLeadingColumns) SetFromColumn(dialog, column, GetCSVField(sRow, column.column));

    const std::optional<std::int16_t> rowStyle = TextToInt16(GetCSVField(sRow, kStyleColumn));
    if (rowStyle) dialog.SetListIndex("cboGalStyle", kNoIndex, *rowStyle);
    const std::int16_t style = rowStyle.value_or(kStandardStyle);

    for (const GalaxyColumn& column : kGalaxyColumns) {
        const int source = style == kNebulaStyle && column.nebulaColumn >= 0 ? column.nebulaColumn : column.column;
        SetFromColumn(dialog, column, GetCSVField(sRow, source));
    }

    if (IsGalaxyType(galaxyType)) LoadRecordColumns(UniGalaxies[static_cast<std::size_t>(galaxyType)], style, sRow);
}

void UniversePresetToControls(Form& dialog, std::string sRow) {
    for (std::size_t column = 0; column < kUniverseColumns.size(); ++column) {
        const UniverseValue* value = UniverseRow(kUniverseColumns[column]);
        if (value == nullptr) continue;
        const GalaxyColumn target{static_cast<int>(column), ControlOf(value->control), UniverseInto(value->type)};
        SetFromColumn(dialog, target, GetCSVField(sRow, static_cast<int>(column)));
    }
}

}  // namespace orbweave
