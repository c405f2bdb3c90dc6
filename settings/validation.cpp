#include "settings/validation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <type_traits>
#include <variant>

#include "core/convert.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"
#include "settings/style_ranges.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLastStyle = kGalaxyStyleCount - 1;
constexpr std::int16_t kFirstGridStructure = 6;

void Clamp16(std::int16_t& field, std::int16_t lo, std::int16_t hi) { field = ClampInt(field, lo, hi); }
void Clamp16(std::int16_t& field, Range16 range) { Clamp16(field, range.low, range.high); }

// A fill percentage holds a whole number after validation: rounded (halves to
// even) and clamped in double, so no value is ever narrowed out of range.
void ClampWholeFloat(float& field, Range16 range) {
    const double rounded = std::nearbyint(static_cast<double>(field));
    // Adding 0 turns a negative zero into zero.
    field =
        static_cast<float>(std::clamp(rounded, static_cast<double>(range.low), static_cast<double>(range.high)) + 0.0);
}

// In the order of the radial boxes.
void ValidateRadialFields(UniGalaxy& g, std::int16_t style) {
    const RadialRanges& r = kRadialRangesByStyle[static_cast<std::size_t>(style)];
    Clamp16(g.Galaxy_RadSegs, r[0].stored);
    ClampWholeFloat(g.Galaxy_RadFill, r[1].stored);
    Clamp16(g.Galaxy_RadBands, r[2].stored);
    ClampWholeFloat(g.Galaxy_RadBFill, r[3].stored);
}

// A value with a stored range into it, in the field's own type.
template <class T>
void ClampToStoredRange(UniGalaxy& g, const GalaxyNumberValue<T>& v) {
    if (v.stored.clamp != StoredClamp::InType) return;
    const auto lo = static_cast<T>(v.stored.low);
    const auto hi = static_cast<T>(v.stored.high);
    if constexpr (std::is_same_v<T, std::int16_t>) {
        g.*v.field = ClampInt(g.*v.field, lo, hi);
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        g.*v.field = ClampLng(g.*v.field, lo, hi);
    } else {
        g.*v.field = ClampSng(g.*v.field, lo, hi);
    }
}

void ValidateGalaxyValues(UniGalaxy& g) {
    for (const GalaxyValue& value : kGalaxyValues) {
        std::visit(
            [&](const auto& v) {
                if constexpr (requires { v.stored; }) ClampToStoredRange(g, v);
            },
            value);
    }
}

// The count is clamped first, so the entries visited never pass the capacity.
template <class Block, std::size_t Capacity>
void ValidateBlock(Block& b, const ElementBlockLayout<Block, Capacity>& layout) {
    Clamp16(b.*layout.count, 0, static_cast<std::int16_t>(Capacity));
    for (auto centre : layout.centre) Clamp16(b.*centre, layout.centreRange);
    for (std::size_t j = 0; j < static_cast<std::size_t>(b.*layout.count); ++j) {
        for (std::size_t k = 0; k < layout.columns.size(); ++k) {
            Clamp16((b.*layout.columns[k])[j], layout.columnRanges[k]);
        }
    }
}

// An atom also keeps its point count within 1..100 and, for the grid and
// matrix types, its points per side (held in X) within 1..99.
void ValidateAtomBlock(AtomBlock& b) {
    ValidateBlock(b, kAtomLayout);
    for (std::size_t j = 0; j < static_cast<std::size_t>(b.Galaxy_Atoms); ++j) {
        Clamp16(b.Run_AtomPoints[j], 1, 100);
        if (b.Atom_Structure[j] >= kFirstGridStructure) Clamp16(b.Atom_X[j], kEdgePointRange.low, kEdgePointRange.high);
    }
}

}  // namespace

void ValidateUniGalaxy(std::int16_t index) {
    if (!IsUniGalaxySlot(index)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    ValidateGalaxyValues(g);
    ValidateRadialFields(g, ClampInt(g.Galaxy_GalStyle, 0, kLastStyle));
    ValidateBlock(g.Ifs, kIfsLayout);
    ValidateAtomBlock(g.Atoms);
    g.Run_NebulaTravel = 0;
    g.Run_ArmAngle = 0;
    g.Run_TiltAngle = 0;
}

void ValidateCompGalaxy(std::int16_t index) {
    if (!IsCompGalaxy(index)) return;
    CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    Clamp16(c._CompGalPct, static_cast<std::int16_t>(kGalaxyPercentRange.low),
            static_cast<std::int16_t>(kGalaxyPercentRange.high));
    // A composite holds its major type and up to 49 minor types: 50 members.
    Clamp16(c.CompGal_Count, 0, kCompMemberCapacity);
    for (std::size_t j = 0; j < static_cast<std::size_t>(c.CompGal_Count); ++j) {
        Clamp16(c.CompGal_Type[j], 0, kGalaxyTypeCount - 1);
    }
}

}  // namespace orbweave
