// The hue wheel of each galaxy type: 360 colours, one per degree, tinted by
// the type's red, green and blue shares and lifted by its base (white)
// share, in the byte order of the current display.
#pragma once

#include <cstdint>

#include <array>

#include "core/colour_tables.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

// Rebuilds the wheels of types 0..49 into `colours` for its DisplayBpp.
void BuildHueColorTables(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types);

// Builds the universe ramp from hueStart towards hueEnd into `colours`, and
// the ramp of each type 0..49 from its comet hues.
void BuildHueWheels(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types, std::int16_t hueStart,
                    std::int16_t hueEnd);

// A hue computed from a star's state, rounded (halves to even) and brought
// into 0..359. Large colour multipliers make hues far beyond one turn, so the
// arithmetic stays in double; a hue that is not finite counts as 0.
std::int16_t WholeHue(double hue);

}  // namespace orbweave
