#pragma once

// The ranges that follow the galaxy style. The galaxy frame's four radial
// fields (boxes 3 to 6: Galaxy_RadSegs, Galaxy_RadFill, Galaxy_RadBands,
// Galaxy_RadBFill) mean different things per style (arms and bands, attractor
// steps and turn, figure vertices, nebula control points, ...), and the tilt
// box shows the nebula's bias point speed instead of the tilt angle. Read by
// validation and by the properties dialog, so each range is written once.

#include <array>
#include <cstdint>
#include <optional>

#include "settings/galaxy_values.h"

namespace orbweave {

inline constexpr std::int16_t kGalaxyStyleCount = 10;
inline constexpr std::int16_t kNebulaStyle = 4;

// One radial field in one style. stored: validation keeps the saved value in
// it, and the box clamps into it when it is left. spin: the range the style
// gives the spin control beside the box when the style is chosen; the two
// user-defined styles give none, so their spins keep the range of the style
// shown before.
struct RadialRange {
    Range16 stored;
    std::optional<Range16> spin;
};

inline constexpr std::array<int, 4> kRadialBoxes{3, 4, 5, 6};
using RadialRanges = std::array<RadialRange, kRadialBoxes.size()>;

namespace radial_rows {
inline constexpr Range16 kCount{1, 99};
inline constexpr Range16 kPercent{0, 100};
// The stored range, the spin going over the same.
constexpr RadialRange Both(Range16 range) { return {range, range}; }
constexpr RadialRange Unspun(Range16 range) { return {range, std::nullopt}; }
}  // namespace radial_rows

inline constexpr std::array<RadialRanges, kGalaxyStyleCount> kRadialRangesByStyle = [] {
    using namespace radial_rows;
    constexpr RadialRanges kStandard{Both(kCount), Both(kPercent), Both(kCount), Both(kPercent)};
    constexpr RadialRanges kUserDefined{Unspun(kCount), Unspun(kPercent), Unspun(kCount), Unspun(kPercent)};
    return std::array<RadialRanges, kGalaxyStyleCount>{{
        kStandard,                                                            // 0 standard
        {Both(kCount), Both(kPercent), Both({0, 360}), Both(kPercent)},       // 1 single point attractor
        {Both({4, 10}), Both(kPercent), Both(kCount), Both(kPercent)},        // 2 nested wireframe
        {Both({4, 10}), Both(kPercent), {kPercent, kCount}, Both(kPercent)},  // 3 space filling fractal
        {Both({1, 20}), Both({0, 9999}), Both(kCount), Both(kPercent)},       // 4 nebula: the control points
        kStandard,                                                            // 5 quasar
        kStandard,                                                            // 6 graviton
        {Both(kCount), Both(kPercent), Both(kCount), Both({0, 999})},         // 7 starwave
        kUserDefined,                                                         // 8 user-defined IFS
        kUserDefined,                                                         // 9 molecular
    }};
}();

// The tilt box (93): the tilt angle in whole degrees, or for the nebula the
// bias points' travel speed.
inline constexpr std::int16_t kTiltBox = 93;
inline constexpr StoredRange kTiltAngleRange = Stored(0, 360);
inline constexpr StoredRange kBiasSpeedRange = Stored(0, 999);
constexpr StoredRange TiltBoxRange(std::int16_t style) {
    return style == kNebulaStyle ? kBiasSpeedRange : kTiltAngleRange;
}

}  // namespace orbweave
