#include "settings/registry_transfers.h"

#include <algorithm>
#include <array>
#include <variant>

#include "core/convert.h"
#include "platform/registry/settings.h"
#include "settings/galaxy_tables.h"
#include "settings/point_text.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

// --- Values of one galaxy type --------------------------------------------------

struct Int16Value {
    std::string_view name;
    std::int16_t UniGalaxy::*field;
    std::int16_t fallback;
};
struct Int32Value {
    std::string_view name;
    std::int32_t UniGalaxy::*field;
    std::int32_t fallback;
};
struct SingleValue {
    std::string_view name;
    float UniGalaxy::*field;
    float fallback;
};
// Stored as "1" or "0"; only a stored 1 reads as true.
struct FlagValue {
    std::string_view name;
    std::int16_t UniGalaxy::*field;
};
// The type's name; its default carries the type's number.
struct NameValue {
    std::string_view name;
};
using SavedValue = std::variant<Int16Value, Int32Value, SingleValue, FlagValue, NameValue>;

// The stored values of a galaxy type, in the order they are read and written,
// with the defaults a reader takes for a missing or non-numeric value.
const std::array<SavedValue, 64> kGalaxyValues{
    Int16Value{"_UniGalPct", &UniGalaxy::_UniGalPct, 0},
    NameValue{"_UniGalName"},
    Int16Value{"Galaxy_HueRed", &UniGalaxy::Galaxy_HueRed, 100},
    Int16Value{"Galaxy_HueGrn", &UniGalaxy::Galaxy_HueGrn, 100},
    Int16Value{"Galaxy_HueBlu", &UniGalaxy::Galaxy_HueBlu, 100},
    Int16Value{"Galaxy_HueBase", &UniGalaxy::Galaxy_HueBase, 0},
    Int16Value{"Galaxy_DX_Blend", &UniGalaxy::Galaxy_DX_Blend, 70},
    Int32Value{"Galaxy_Radius", &UniGalaxy::Galaxy_Radius, 300},
    Int32Value{"Galaxy_Rotation", &UniGalaxy::Galaxy_Rotation, 500},
    Int32Value{"Galaxy_Distance", &UniGalaxy::Galaxy_Distance, 400},
    Int16Value{"Galaxy_RadSegs", &UniGalaxy::Galaxy_RadSegs, 1},
    SingleValue{"Galaxy_RadFill", &UniGalaxy::Galaxy_RadFill, 100},
    Int16Value{"Galaxy_RadBands", &UniGalaxy::Galaxy_RadBands, 1},
    SingleValue{"Galaxy_RadBFill", &UniGalaxy::Galaxy_RadBFill, 100},
    Int32Value{"Galaxy_ColorMult", &UniGalaxy::Galaxy_ColorMult, 1800},
    Int16Value{"Galaxy_NewFreq", &UniGalaxy::Galaxy_NewFreq, 400},
    Int16Value{"Galaxy_NewFrames", &UniGalaxy::Galaxy_NewFrames, 8},
    Int16Value{"Galaxy_NewExtMult", &UniGalaxy::Galaxy_NewExtMult, 100},
    Int16Value{"Galaxy_NovaFreq", &UniGalaxy::Galaxy_NovaFreq, 320},
    Int16Value{"Galaxy_NovaFrames", &UniGalaxy::Galaxy_NovaFrames, 30},
    Int16Value{"Galaxy_NovaExtMult", &UniGalaxy::Galaxy_NovaExtMult, 600},
    Int16Value{"Galaxy_PulsarFreq", &UniGalaxy::Galaxy_PulsarFreq, 0},
    Int16Value{"Galaxy_PulsarDepth", &UniGalaxy::Galaxy_PulsarDepth, 100},
    Int16Value{"Galaxy_PulsarShape", &UniGalaxy::Galaxy_PulsarShape, 0},
    Int16Value{"Galaxy_PulsarCycles", &UniGalaxy::Galaxy_PulsarCycles, 1},
    Int16Value{"Galaxy_PulsarFrames", &UniGalaxy::Galaxy_PulsarFrames, 40},
    Int16Value{"Galaxy_PulsarMinExt", &UniGalaxy::Galaxy_PulsarMinExt, 50},
    Int16Value{"Galaxy_PulsarMaxExt", &UniGalaxy::Galaxy_PulsarMaxExt, 1000},
    Int16Value{"Galaxy_CometFreq", &UniGalaxy::Galaxy_CometFreq, 400},
    Int16Value{"Galaxy_CometStars", &UniGalaxy::Galaxy_CometStars, 60},
    Int16Value{"Galaxy_CometOrbit", &UniGalaxy::Galaxy_CometOrbit, 100},
    Int16Value{"Galaxy_CometSpeed", &UniGalaxy::Galaxy_CometSpeed, 50},
    Int16Value{"Galaxy_CometSWind", &UniGalaxy::Galaxy_CometSWind, 200},
    SingleValue{"Galaxy_CometSPersist", &UniGalaxy::Galaxy_CometSPersist, 0.95f},
    SingleValue{"Galaxy_CometCPersist", &UniGalaxy::Galaxy_CometCPersist, 0.9975f},
    FlagValue{"Galaxy_CometVector", &UniGalaxy::Galaxy_CometVector},
    Int16Value{"Galaxy_HWC_Start", &UniGalaxy::Galaxy_HWC_Start, 140},
    Int16Value{"Galaxy_HWC_End", &UniGalaxy::Galaxy_HWC_End, 220},
    SingleValue{"Galaxy_HWC_Inc", &UniGalaxy::Galaxy_HWC_Inc, 0},
    SingleValue{"Galaxy_GHW_Ratio", &UniGalaxy::Galaxy_GHW_Ratio, 0.3f},
    SingleValue{"Galaxy_RadiusExp", &UniGalaxy::Galaxy_RadiusExp, 1.15f},
    SingleValue{"Galaxy_HeightExp", &UniGalaxy::Galaxy_HeightExp, 2},
    SingleValue{"Galaxy_AngleTilt", &UniGalaxy::Galaxy_AngleTilt, 170},
    SingleValue{"Galaxy_AngleTInc", &UniGalaxy::Galaxy_AngleTInc, 0},
    SingleValue{"Galaxy_HWheelInc", &UniGalaxy::Galaxy_HWheelInc, 0.005f},
    Int16Value{"Galaxy_GalStyle", &UniGalaxy::Galaxy_GalStyle, 0},
    Int16Value{"Galaxy_AxisPlane", &UniGalaxy::Galaxy_AxisPlane, 0},
    Int16Value{"Galaxy_ColorComp", &UniGalaxy::Galaxy_ColorComp, 3},
    Int16Value{"Galaxy_HueStart", &UniGalaxy::Galaxy_HueStart, 240},
    Int16Value{"Galaxy_Profile", &UniGalaxy::Galaxy_Profile, 0},
    Int16Value{"Galaxy_CP_Points", &UniGalaxy::Galaxy_CP_Points, 8},
    Int16Value{"Galaxy_CP_Steps", &UniGalaxy::Galaxy_CP_Steps, 500},
    Int16Value{"Galaxy_CP_B_Pts", &UniGalaxy::Galaxy_CP_B_Pts, 1},
    Int16Value{"Galaxy_CP_B_Exp", &UniGalaxy::Galaxy_CP_B_Exp, 100},
    Int16Value{"Galaxy_CP_B_Spd", &UniGalaxy::Galaxy_CP_B_Spd, 0},
    Int16Value{"Galaxy_CP_Close", &UniGalaxy::Galaxy_CP_Close, 1},
    Int16Value{"Galaxy_CP_AdvHW", &UniGalaxy::Galaxy_CP_AdvHW, 0},
    SingleValue{"Galaxy_QG_Force", &UniGalaxy::Galaxy_QG_Force, 5},
    Int16Value{"Galaxy_StdLevels", &UniGalaxy::Galaxy_StdLevels, 1},
    Int32Value{"Galaxy_StdLevDRad", &UniGalaxy::Galaxy_StdLevDRad, 300},
    SingleValue{"Galaxy_StdLevHSca", &UniGalaxy::Galaxy_StdLevHSca, 1},
    Int16Value{"Galaxy_StdLevB_HS", &UniGalaxy::Galaxy_StdLevB_HS, 0},
    Int16Value{"Galaxy_StdLevB_A0", &UniGalaxy::Galaxy_StdLevB_A0, 0},
    Int16Value{"Galaxy_StdLevB_A1", &UniGalaxy::Galaxy_StdLevB_A1, 0},
};

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

std::string Numbered(std::string_view prefix, int number, std::string_view suffix = "") {
    std::string name(prefix);
    name += NumberToText(number);
    name += suffix;
    return name;
}

std::string DefaultGalaxyName(int index) { return Numbered("< Galaxy Profile ", index + 1, " >"); }
std::string DefaultCompositeName(int index) { return Numbered("< Composite Galaxy ", index + 1, " >"); }

void ReadGalaxyValue(UniGalaxy& g, const SavedValue& value, int index, std::string_view section, int hive) {
    std::visit(Overloaded{
                   [&](const Int16Value& v) { g.*v.field = GetSettingInteger(section, v.name, v.fallback, hive); },
                   [&](const Int32Value& v) { g.*v.field = GetSettingLong(section, v.name, v.fallback, hive); },
                   [&](const SingleValue& v) { g.*v.field = GetSettingSingle(section, v.name, v.fallback, hive); },
                   [&](const FlagValue& v) {
                       g.*v.field = GetSettingInteger(section, v.name, 0, hive) == 1 ? -1 : 0;
                   },
                   [&](const NameValue& v) {
                       g._UniGalName = GetSettingString(section, v.name, DefaultGalaxyName(index), hive);
                   },
               },
               value);
}

bool WriteGalaxyValue(const UniGalaxy& g, const SavedValue& value, std::string_view section) {
    return std::visit(Overloaded{
                          [&](const Int16Value& v) { return SaveSettingValue(section, v.name, g.*v.field); },
                          [&](const Int32Value& v) { return SaveSettingValue(section, v.name, g.*v.field); },
                          [&](const SingleValue& v) {
                              return SaveSettingValue(section, v.name, static_cast<double>(g.*v.field));
                          },
                          [&](const FlagValue& v) {
                              return SaveSettingValue(section, v.name, std::string_view(g.*v.field != 0 ? "1" : "0"));
                          },
                          [&](const NameValue& v) {
                              return SaveSettingValue(section, v.name, std::string_view(g._UniGalName));
                          },
                      },
                      value);
}

// --- The IFS and ATOMIC sub-keys -------------------------------------------------

constexpr std::string_view kIfsSubKey = "IFS";
constexpr std::string_view kAtomSubKey = "ATOMIC";

// The seven numbers of a transform or an atom in the order of its point text;
// an atom's order differs from that of the factory rows.
using IfsColumn = std::array<std::int16_t, kIfsPointCapacity> IfsBlock::*;
constexpr std::array<IfsColumn, kPointTextFields> kIfsTextOrder{
    &IfsBlock::IFS_X,    &IfsBlock::IFS_Y,     &IfsBlock::IFS_Z,   &IfsBlock::IFS_Scale,
    &IfsBlock::IFS_Axis, &IfsBlock::IFS_Angle, &IfsBlock::IFS_Pct,
};
using AtomColumn = std::array<std::int16_t, kAtomCapacity> AtomBlock::*;
constexpr std::array<AtomColumn, kPointTextFields> kAtomTextOrder{
    &AtomBlock::Atom_Element,   &AtomBlock::Atom_X,      &AtomBlock::Atom_Y,         &AtomBlock::Atom_Z,
    &AtomBlock::Atom_Structure, &AtomBlock::Atom_Radius, &AtomBlock::Atom_SymRadius,
};

// How one element block is stored: its count value, sub-key, centre values,
// the name of element j's value and the columns of its point text.
template <class Block, std::size_t Capacity>
struct BlockLayout {
    std::string_view countName;
    std::string_view subKey;
    std::int16_t Block::*count;
    std::array<std::int16_t Block::*, 3> centre;
    std::array<std::string_view, 3> centreNames;
    std::array<std::array<std::int16_t, Capacity> Block::*, kPointTextFields> columns;
    std::string (*pointName)(int);
};

std::string IfsPointName(int j) { return Numbered("IFS_P", j); }
// Atom values carry two digits: "Atom_P00" .. "Atom_P31".
std::string AtomPointName(int j) { return Numbered(j < 10 ? "Atom_P0" : "Atom_P", j); }

const BlockLayout<IfsBlock, kIfsPointCapacity> kIfsLayout{
    "Galaxy_IFS_Points",
    kIfsSubKey,
    &IfsBlock::Galaxy_IFS_Points,
    {&IfsBlock::IFS_CenterX, &IfsBlock::IFS_CenterY, &IfsBlock::IFS_CenterZ},
    {"IFS_CenterX", "IFS_CenterY", "IFS_CenterZ"},
    kIfsTextOrder,
    IfsPointName,
};

const BlockLayout<AtomBlock, kAtomCapacity> kAtomLayout{
    "Galaxy_Atoms",
    kAtomSubKey,
    &AtomBlock::Galaxy_Atoms,
    {&AtomBlock::Atom_CenterX, &AtomBlock::Atom_CenterY, &AtomBlock::Atom_CenterZ},
    {"Atom_CenterX", "Atom_CenterY", "Atom_CenterZ"},
    kAtomTextOrder,
    AtomPointName,
};

std::string SubKeySection(std::string_view section, std::string_view subKey) {
    std::string path(section);
    path += '\\';
    path += subKey;
    return path;
}

// Elements in use, never more than the block holds.
template <std::size_t Capacity>
int ElementsInUse(std::int16_t count) {
    return std::clamp<int>(count, 0, static_cast<int>(Capacity));
}

template <class Block, std::size_t Capacity>
void ReadBlock(Block& block, const BlockLayout<Block, Capacity>& layout, std::string_view section, int hive) {
    block.*layout.count = GetSettingInteger(section, layout.countName, 0, hive);
    if (block.*layout.count == 0) {
        for (auto centre : layout.centre) block.*centre = 0;
        for (auto column : layout.columns) (block.*column).fill(0);
        return;
    }
    const std::string sub = SubKeySection(section, layout.subKey);
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        block.*layout.centre[k] = GetSettingInteger(sub, layout.centreNames[k], 0, hive);
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        const auto e = static_cast<std::size_t>(j);
        PointValues values{};
        for (std::size_t k = 0; k < values.size(); ++k) values[k] = (block.*layout.columns[k])[e];
        ParsePointText(GetSettingString(sub, layout.pointName(j), "", hive), values);
        for (std::size_t k = 0; k < values.size(); ++k) (block.*layout.columns[k])[e] = values[k];
    }
}

// Removes the old sub-key first, so that no point of an earlier, larger block
// survives; a count of 0 or less leaves the sub-key absent.
template <class Block, std::size_t Capacity>
bool WriteBlock(const Block& block, const BlockLayout<Block, Capacity>& layout, std::string_view section) {
    bool ok = SaveSettingValue(section, layout.countName, block.*layout.count);
    ok = DeleteSettingKey(kProductKey, section, layout.subKey, kHiveUser) != kDeleteKeyRefused && ok;
    if (block.*layout.count <= 0) return ok;
    const std::string sub = SubKeySection(section, layout.subKey);
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        ok = SaveSettingValue(sub, layout.centreNames[k], block.*layout.centre[k]) && ok;
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        PointValues values{};
        for (std::size_t k = 0; k < values.size(); ++k) {
            values[k] = (block.*layout.columns[k])[static_cast<std::size_t>(j)];
        }
        ok = SaveSettingValue(sub, layout.pointName(j), std::string_view(FormatPointText(values))) && ok;
    }
    return ok;
}

std::string CompTypeName(int j) { return Numbered("CompGal_Type", j); }

}  // namespace

std::string UniGalaxySection(int galaxyType) { return Numbered("Universe\\Galaxy", galaxyType); }
std::string CompGalaxySection(int composite) { return Numbered("Universe\\CompGal", composite); }

void RegToUniGalaxy(std::int16_t index, std::string_view section, int hive) {
    if (!IsUniGalaxySlot(index)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    for (const SavedValue& value : kGalaxyValues) ReadGalaxyValue(g, value, index, section, hive);
    ReadBlock(g.Ifs, kIfsLayout, section, hive);
    if (g.Ifs.Galaxy_IFS_Points == 0) g.Ifs.Run_IfsCumPct.fill(0);
    ReadBlock(g.Atoms, kAtomLayout, section, hive);
}

bool UniGalaxyToReg(std::int16_t index, std::string_view section) {
    if (!IsUniGalaxySlot(index)) return false;
    const UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    bool ok = true;
    for (const SavedValue& value : kGalaxyValues) ok = WriteGalaxyValue(g, value, section) && ok;
    ok = WriteBlock(g.Ifs, kIfsLayout, section) && ok;
    return WriteBlock(g.Atoms, kAtomLayout, section) && ok;
}

void RegToCompGalaxy(std::int16_t index, std::string_view section, int hive) {
    if (!IsCompGalaxy(index)) return;
    CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    c._CompGalPct = GetSettingInteger(section, "_CompGalPct", 0, hive);
    c._CompGalName = GetSettingString(section, "_CompGalName", DefaultCompositeName(index), hive);
    c.CompGal_Count = GetSettingInteger(section, "CompGal_Count", 0, hive);
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        auto& member = c.CompGal_Type[static_cast<std::size_t>(j)];
        member = GetSettingInteger(section, CompTypeName(j), 0, hive);
    }
}

// Values of members beyond a smaller count are left in place: readers never
// look past the count.
bool CompGalaxyToReg(std::int16_t index, std::string_view section) {
    if (!IsCompGalaxy(index)) return false;
    const CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    bool ok = SaveSettingValue(section, "_CompGalPct", c._CompGalPct);
    ok = SaveSettingValue(section, "_CompGalName", std::string_view(c._CompGalName)) && ok;
    ok = SaveSettingValue(section, "CompGal_Count", c.CompGal_Count) && ok;
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        ok = SaveSettingValue(section, CompTypeName(j), c.CompGal_Type[static_cast<std::size_t>(j)]) && ok;
    }
    return ok;
}

void RegToUniGalaxies(int hive) {
    const SettingsSnapshot snapshot(hive);
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        RegToUniGalaxy(i, UniGalaxySection(i), hive);
        ValidateUniGalaxy(i);
    }
}

void RegToCompGalaxies(int hive) {
    const SettingsSnapshot snapshot(hive);
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) {
        RegToCompGalaxy(c, CompGalaxySection(c), hive);
        ValidateCompGalaxy(c);
    }
}

bool UniGalaxiesToReg() {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        ValidateUniGalaxy(i);
        ok = UniGalaxyToReg(i, UniGalaxySection(i)) && ok;
    }
    return ok && transaction.Commit();
}

bool CompGalaxiesToReg() {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) ok = CompGalaxyToReg(c, CompGalaxySection(c)) && ok;
    return ok && transaction.Commit();
}

bool GalaxyTablesToReg() {
    SettingsTransaction transaction(kHiveUser);
    const bool types = UniGalaxiesToReg();
    const bool composites = CompGalaxiesToReg();
    return types && composites && transaction.Commit();
}

}  // namespace orbweave
