// The process-wide colour tables, in one record: the configurable wheel's
// stops and spans, the display depth that decides the byte order, the
// colour of every hue, each galaxy type's tinted wheel, and the hue ramps of
// the universe stars and of each type's novas and comets. The display
// settings fill the wheel; the display decides the depth; the renderer
// rebuilds the tables from them before an animation runs.
#pragma once

#include <array>
#include <cstdint>

#include "core/colour.h"

namespace orbweave {

inline constexpr int kHueColorRows = 51;      // types 0..49; row 50 stays black
inline constexpr int kHueColorColumns = 361;  // hues 0..359; column 360 stays black
inline constexpr int kHueRampEntries = 81;    // 80 colours, then black

using HueRamp = std::array<std::int32_t, kHueRampEntries>;

struct ColourTables {
    // The configurable wheel's stops and spans, set together by the display
    // settings loader before it calls BuildHueTable. They start with the
    // default stops so that no span is zero before the settings are loaded.
    HueStops HueWheel = kDefaultHueStops;
    HueStops HueSpan = HueSpansOf(kDefaultHueStops);
    // The display's colour depth in bits per pixel (0 until the display is
    // known, which keeps colours in RGB order).
    std::int16_t DisplayBpp = 0;
    // One colour in display order per degree of hue; all 0 until BuildHueTable.
    std::array<std::int32_t, kHueCount> HueTable{};
    std::array<std::array<std::int32_t, kHueColorColumns>, kHueColorRows> HueColorTable{};
    HueRamp UniverseHueRamp{};
    std::array<HueRamp, kHueColorRows> TypeHueRamps{};
    bool operator==(const ColourTables&) const = default;
};

extern ColourTables colourTables;

// Back to the values the process starts with.
void ResetColourTables();

}  // namespace orbweave
