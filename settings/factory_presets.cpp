#include "settings/factory_presets.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "core/convert.h"
#include "settings/element_tables.h"
#include "settings/factory_rows.h"
#include "settings/overloaded.h"

namespace orbweave {

std::array<std::string, kGalaxyTypeCount> UniGalDefaultNames;
std::array<std::int16_t, kGalaxyTypeCount> UniGalDefaultPcts{};

namespace {

struct FactoryName {
    std::string_view name;
    std::int16_t percent;
};

// The percents add up to 432; types 45 and 46 appear only inside composites.
constexpr std::array<FactoryName, kGalaxyTypeCount> kFactoryNames{{
    {"Standard Galaxy", 30},
    {"Star Rings", 10},
    {"Stellar Turbines", 5},
    {"Segmented Starfish", 15},
    {"Symmetric Radial Arms", 5},
    {"Rapid Rotator", 10},
    {"Barrel Shells", 10},
    {"Nested Bulbs", 10},
    {"Spherical Blob", 10},
    {"Rotating Comet Shell", 10},
    {"Diamond and Comets", 10},
    {"Standard Nested Shells", 15},
    {"Nested Turbines", 10},
    {"Fractal:  Tetrahedron", 10},
    {"Fractal:  Diamonds", 5},
    {"Fractal:  Diffuse Matrix", 10},
    {"IFS Point:  Central Spines", 10},
    {"IFS Point:  Golden Spirals", 10},
    {"IFS Point:  Spiral Wheel Burst", 5},
    {"IFS Point:  Nested Spheres", 2},
    {"Wireframe:  Octahedron", 10},
    {"Wireframe:  10-Point", 5},
    {"Nebula:  Rainbow Loop", 15},
    {"Nebula:  Crescents", 15},
    {"Nebula:  Comet Bursts", 5},
    {"Nebula:  Fast Spark Ribbon", 10},
    {"Nebula:  Solar Flare Burst", 5},
    {"Nebula:  Photon Waves", 5},
    {"Nebula:  Comet Ribbon", 10},
    {"Quasar:  Cylinder", 5},
    {"Quasar:  Sphere-Arc Burst", 10},
    {"Gravity:  Sparks + Dark Matter", 10},
    {"Gravity:  Globe of Crescents", 10},
    {"Starwave:  Fountain Waves", 10},
    {"Starwave:  Radial Waves", 10},
    {"Starwave:  Hyperbolic / Disks", 5},
    {"Ellipsoid Cathedral", 2},
    {"Lattice of Latitudes", 2},
    {"Lattice of Longitudes", 2},
    {"UD-IFS:  Space Station", 10},
    {"UD-IFS:  Twisted Branches", 10},
    {"UD-IFS:  Symmetric Starbird", 15},
    {"UD-ATOM:  Cubic Hydrocarbon", 10},
    {"UD-ATOM:  Nested Shells", 20},
    {"UD-ATOM:  Star Point System", 10},
    {"Nested Horizontal Rings", 0},
    {"Nested Vertical Rings", 0},
    {"Rapidly Rotating Sphere", 2},
    {"High Activity Comet Core", 2},
    {"Nested Horns", 5},
}};

// Universe themes 1..8, in the order of the dialog's theme list. Field 29, the
// tour sequence, is the empty field after the final comma.
constexpr std::array<std::string_view, kUniverseThemeCount> kUniverseThemeRows{
    "18000, 200, 3000, 400, 0.985, 0.01, 170, 250, 30, 51, 3500, 85, 200, 2, 4, 4000, 1, 0, 0, 1, 2000, 0.999, 0.1, "
    "15, 600, 0, 1, 100, 40,",
    "14000, 100, 2500, 300, 0.98, 0.02, 240, 120, 20, 50, 2500, 75, 100, 2, 4, 3200, 1, 0, 0, 0, 1000, 0.996, 0.3, 15, "
    "1000, 0, 1, 100, 80,",
    "17000, 300, 5000, 500, 0.9925, 0.001, 330, 210, 20, 51, 2000, 90, 250, 1, 4, 75000, 1, 0, 0, 0, 3000, 0.998, "
    "0.15, 12, 3500, 0, 1, 100, 35,",
    "15000, 48, 0, 0, 0.99, 0.04, 60, 0, 32, 0, 1250, 100, 300, 3, 0, 2500, 1, 1, 0, 0, 1, 0.99, 0.5, 10, 25, 0, 1, "
    "100, 50,",
    "15000, 100, 2000, 300, 0.985, 0.0125, 165, 210, 20, 51, 2250, 85, 160, 2, 2, 4000, 1, 0, 0, 0, 1000, 0.998, 0.1, "
    "30, 1000, 0, 1, 100, 40,",
    "16000, 500, 6000, 300, 0.985, 0.002, 120, 240, 20, 50, 1500, 80, 250, 1, 4, 16000, 1, 0, 0, 0, 1500, 0.999, 0.05, "
    "20, 5000, 0, 1, 100, 40,",
    "15000, 60, 1250, 250, 0.985, 0.002, 180, 320, 32, 50, 4000, 65, 75, 2, 1, 4000, 1, 0, 0, 0, 1000, 0.998, 0.1, 50, "
    "6000, 0, 1, 100, 75,",
    "17000, 20, 3500, 300, 0.985, 0.05, 360, 240, 20, 0, 2000, 0, 300, 1, 0, 8000, 0, 0, 0, 0, 1000, 0.999, 0.07, 50, "
    "1000, 125000, 1, 100, 50,",
};

// Name (blank-padded), percent, member count, then the member galaxy types,
// major type first.
constexpr std::array<std::string_view, kCompGalaxyCount> kCompGalaxyRows{
    "Nested Rings + Comet Core   , 30, 4, 48, 45, 46, 47,", "Turbines + Nested Horns     , 20, 2, 2, 49,",
    "Turbine + Shell + Spines    , 15, 3, 2, 38, 16,",      "Photon Fountain Cathedral   , 10, 2, 27, 36,",
    "3-Cycle Splines in a Shell  , 10, 2, 26, 37,",         "Turbines and Starwaves      , 10, 2, 2, 35,",
    "Starwaves in a Shell        , 10, 2, 35, 37,",         "Quasar in Nested Spheres    , 10, 2, 30, 19,",
    "Gravity Cell in Spheres     , 5, 2, 31, 19,",          "IFS Spines in a Shell       , 10, 2, 16, 37,",
    "Comet Bursts in Spheres     , 10, 2, 24, 7,",          "Crescents and Comets        , 10, 2, 24, 23,",
    "Gold Galaxy in a Shell      , 10, 2, 17, 38,",         "Quasar and Gravity Cell     , 5, 2, 29, 31,",
    "Hyperbolic Lattice          , 15, 2, 37, 38,",         "Multiple Gravity Cells      , 5, 2, 32, 31,",
};

// --- Galaxy-type row layout --------------------------------------------------

using Int16Field = std::int16_t UniGalaxy::*;
using Int32Field = std::int32_t UniGalaxy::*;
using SingleField = float UniGalaxy::*;
// A true/false field: any non-zero number loads as true (-1).
struct FlagField {
    Int16Field member;
};
// std::monostate marks a position that is not read (0 in every row).
using RowField = std::variant<std::monostate, Int16Field, Int32Field, SingleField, FlagField>;
constexpr std::monostate kNotRead{};

// The record field each row position loads, for positions 0..59.
const std::array<RowField, 60> kRowFields{
    &UniGalaxy::Galaxy_Radius,                  // 0
    &UniGalaxy::Galaxy_Rotation,                // 1
    &UniGalaxy::Galaxy_Distance,                // 2
    &UniGalaxy::Galaxy_GalStyle,                // 3
    &UniGalaxy::Galaxy_AxisPlane,               // 4
    &UniGalaxy::Galaxy_RadSegs,                 // 5
    &UniGalaxy::Galaxy_RadFill,                 // 6
    &UniGalaxy::Galaxy_RadBands,                // 7
    &UniGalaxy::Galaxy_RadBFill,                // 8
    &UniGalaxy::Galaxy_ColorMult,               // 9
    &UniGalaxy::Galaxy_GHW_Ratio,               // 10
    &UniGalaxy::Galaxy_RadiusExp,               // 11
    &UniGalaxy::Galaxy_HeightExp,               // 12
    &UniGalaxy::Galaxy_AngleTilt,               // 13
    &UniGalaxy::Galaxy_AngleTInc,               // 14
    &UniGalaxy::Galaxy_HueStart,                // 15
    &UniGalaxy::Galaxy_HWheelInc,               // 16
    &UniGalaxy::Galaxy_ColorComp,               // 17
    &UniGalaxy::Galaxy_Profile,                 // 18
    &UniGalaxy::Galaxy_NewFreq,                 // 19
    &UniGalaxy::Galaxy_NewFrames,               // 20
    &UniGalaxy::Galaxy_NewExtMult,              // 21
    &UniGalaxy::Galaxy_NovaFreq,                // 22
    &UniGalaxy::Galaxy_NovaFrames,              // 23
    &UniGalaxy::Galaxy_NovaExtMult,             // 24
    &UniGalaxy::Galaxy_PulsarFreq,              // 25
    &UniGalaxy::Galaxy_PulsarDepth,             // 26
    &UniGalaxy::Galaxy_PulsarCycles,            // 27
    &UniGalaxy::Galaxy_PulsarFrames,            // 28
    &UniGalaxy::Galaxy_PulsarMinExt,            // 29
    &UniGalaxy::Galaxy_PulsarMaxExt,            // 30
    &UniGalaxy::Galaxy_PulsarShape,             // 31
    kNotRead,                                   // 32
    kNotRead,                                   // 33
    kNotRead,                                   // 34
    &UniGalaxy::Galaxy_CometFreq,               // 35
    &UniGalaxy::Galaxy_CometStars,              // 36
    &UniGalaxy::Galaxy_CometOrbit,              // 37
    &UniGalaxy::Galaxy_CometSpeed,              // 38
    &UniGalaxy::Galaxy_CometSWind,              // 39
    &UniGalaxy::Galaxy_CometCPersist,           // 40
    &UniGalaxy::Galaxy_CometSPersist,           // 41
    FlagField{&UniGalaxy::Galaxy_CometVector},  // 42
    &UniGalaxy::Galaxy_HWC_Start,               // 43
    &UniGalaxy::Galaxy_HWC_End,                 // 44
    &UniGalaxy::Galaxy_HWC_Inc,                 // 45
    &UniGalaxy::Galaxy_HueRed,                  // 46
    &UniGalaxy::Galaxy_HueGrn,                  // 47
    &UniGalaxy::Galaxy_HueBlu,                  // 48
    &UniGalaxy::Galaxy_HueBase,                 // 49
    &UniGalaxy::Galaxy_DX_Blend,                // 50
    &UniGalaxy::Galaxy_CP_Points,               // 51
    &UniGalaxy::Galaxy_CP_Steps,                // 52
    &UniGalaxy::Galaxy_CP_B_Pts,                // 53
    &UniGalaxy::Galaxy_CP_B_Exp,                // 54
    &UniGalaxy::Galaxy_CP_B_Spd,                // 55
    &UniGalaxy::Galaxy_CP_Close,                // 56
    &UniGalaxy::Galaxy_CP_AdvHW,                // 57
    &UniGalaxy::Galaxy_QG_Force,                // 58
    &UniGalaxy::Galaxy_StdLevels,               // 59
};

// Positions 60..64 load only for a type with more than one standard level.
constexpr int kLevelFieldsStart = 60;
const std::array<RowField, 5> kLevelFields{
    &UniGalaxy::Galaxy_StdLevDRad, &UniGalaxy::Galaxy_StdLevHSca, &UniGalaxy::Galaxy_StdLevB_HS,
    &UniGalaxy::Galaxy_StdLevB_A0, &UniGalaxy::Galaxy_StdLevB_A1,
};

// Position of the element count of a user-defined IFS or molecule; the block
// centre follows, then seven values per element.
constexpr int kBlockCountField = 68;
constexpr int kBlockCentreField = 69;
constexpr int kFirstElementField = 72;
constexpr int kFieldsPerElement = 7;

constexpr std::int16_t kIfsStyle = 8;
constexpr std::int16_t kMoleculeStyle = 9;

// The seven values of an IFS transform and of an atom, in row order.
using IfsColumn = std::array<std::int16_t, kIfsPointCapacity> IfsBlock::*;
constexpr std::array<IfsColumn, kFieldsPerElement> kIfsRowOrder{
    &IfsBlock::IFS_X,    &IfsBlock::IFS_Y,     &IfsBlock::IFS_Z,   &IfsBlock::IFS_Scale,
    &IfsBlock::IFS_Axis, &IfsBlock::IFS_Angle, &IfsBlock::IFS_Pct,
};
using AtomColumn = std::array<std::int16_t, kAtomCapacity> AtomBlock::*;
constexpr std::array<AtomColumn, kFieldsPerElement> kAtomRowOrder{
    &AtomBlock::Atom_Element, &AtomBlock::Atom_Structure, &AtomBlock::Atom_X,         &AtomBlock::Atom_Y,
    &AtomBlock::Atom_Z,       &AtomBlock::Atom_Radius,    &AtomBlock::Atom_SymRadius,
};

// Converts one field text into its record field; a text that does not convert
// leaves the field as it was. Whole numbers round halves to even.
void LoadRowField(UniGalaxy& g, const RowField& field, std::string_view text) {
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](Int16Field f) {
                       if (auto v = TextToInt16(text)) g.*f = *v;
                   },
                   [&](Int32Field f) {
                       if (auto v = TextToInt32(text)) g.*f = *v;
                   },
                   [&](SingleField f) {
                       if (auto v = TextToSingle(text)) g.*f = *v;
                   },
                   [&](FlagField f) {
                       if (auto v = TextToDouble(text)) g.*f.member = *v != 0 ? -1 : 0;
                   },
               },
               field);
}

void LoadInt16(std::int16_t& target, const std::string& text) {
    if (auto v = TextToInt16(text)) target = *v;
}

// Loads the count and centre of a block and its elements; only as many
// elements as the block holds are read, whatever the count says.
template <class Block, class Column, std::size_t N>
void LoadElementBlock(Block& block, std::int16_t& count, std::array<std::int16_t*, 3> centre,
                      const std::array<Column, N>& order, int capacity, const std::string& row) {
    LoadInt16(count, GetCSVField(row, kBlockCountField));
    for (int k = 0; k < 3; ++k)
        LoadInt16(*centre[static_cast<std::size_t>(k)], GetCSVField(row, kBlockCentreField + k));
    const int elements = std::min<int>(count, capacity);
    for (int j = 0; j < elements; ++j) {
        for (std::size_t k = 0; k < order.size(); ++k) {
            const int position = kFirstElementField + kFieldsPerElement * j + static_cast<int>(k);
            LoadInt16((block.*order[k])[static_cast<std::size_t>(j)], GetCSVField(row, position));
        }
    }
}

template <std::size_t N>
std::string PresetRow(const std::array<std::string_view, N>& rows, std::int16_t n) {
    if (n < 1 || n > static_cast<int>(N)) return {};
    return std::string(rows[static_cast<std::size_t>(n - 1)]);
}

}  // namespace

void InitUniGalaxyNames() {
    for (std::size_t i = 0; i < kFactoryNames.size(); ++i) {
        UniGalDefaultNames[i] = std::string(kFactoryNames[i].name);
        UniGalDefaultPcts[i] = kFactoryNames[i].percent;
    }
}

std::string GetUniGalaxyPreset(std::int16_t n) { return PresetRow(kFactoryGalaxyRows, n); }
std::string GetUniverseThemePreset(std::int16_t n) { return PresetRow(kUniverseThemeRows, n); }
std::string GetCompGalaxyPreset(std::int16_t n) { return PresetRow(kCompGalaxyRows, n); }

void LoadFactoryUniGalaxy(std::int16_t index) {
    if (!IsGalaxyType(index)) return;
    const auto i = static_cast<std::size_t>(index);
    UniGalaxy& g = UniGalaxies[i];
    const std::string row = GetUniGalaxyPreset(static_cast<std::int16_t>(index + 1));

    g._UniGalName = UniGalDefaultNames[i];
    g._UniGalPct = UniGalDefaultPcts[i];
    for (std::size_t p = 0; p < kRowFields.size(); ++p) {
        LoadRowField(g, kRowFields[p], GetCSVField(row, static_cast<int>(p)));
    }
    if (g.Galaxy_StdLevels > 1) {
        for (std::size_t k = 0; k < kLevelFields.size(); ++k) {
            LoadRowField(g, kLevelFields[k], GetCSVField(row, kLevelFieldsStart + static_cast<int>(k)));
        }
    }

    const bool hasBlock = TextToDouble(GetCSVField(row, kBlockCountField)).value_or(0) > 0;
    g.Ifs.Galaxy_IFS_Points = 0;
    if (hasBlock && g.Galaxy_GalStyle == kIfsStyle) {
        IfsBlock& b = g.Ifs;
        LoadElementBlock(b, b.Galaxy_IFS_Points, {&b.IFS_CenterX, &b.IFS_CenterY, &b.IFS_CenterZ}, kIfsRowOrder,
                         kIfsPointCapacity, row);
    }
    g.Atoms.Galaxy_Atoms = 0;
    if (hasBlock && g.Galaxy_GalStyle == kMoleculeStyle) {
        AtomBlock& b = g.Atoms;
        LoadElementBlock(b, b.Galaxy_Atoms, {&b.Atom_CenterX, &b.Atom_CenterY, &b.Atom_CenterZ}, kAtomRowOrder,
                         kAtomCapacity, row);
        const int atoms = std::min<int>(b.Galaxy_Atoms, kAtomCapacity);
        for (std::size_t j = 0; j < static_cast<std::size_t>(std::max(atoms, 0)); ++j) {
            if (auto points = GetStructurePointCount(b.Atom_Structure[j])) b.Run_AtomPoints[j] = *points;
        }
    }
}

void LoadFactoryCompGalaxies() {
    for (std::int16_t k = 0; k < kCompGalaxyCount; ++k) {
        CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(k)];
        const std::string row = GetCompGalaxyPreset(static_cast<std::int16_t>(k + 1));
        c._CompGalName = GetCSVField(row, 0);
        LoadInt16(c._CompGalPct, GetCSVField(row, 1));
        LoadInt16(c.CompGal_Count, GetCSVField(row, 2));
        const int members = std::min<int>(c.CompGal_Count, kCompMemberCapacity);
        for (int j = 0; j < members; ++j)
            LoadInt16(c.CompGal_Type[static_cast<std::size_t>(j)], GetCSVField(row, j + 3));
    }
}

void LoadFactoryDefaults() {
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) LoadFactoryUniGalaxy(i);
    LoadFactoryCompGalaxies();
}

}  // namespace orbweave
