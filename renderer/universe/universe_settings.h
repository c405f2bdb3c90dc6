// The universe values of the renderer, each named like the stored value that
// holds it, and the hue ramps of the universe stars and of each galaxy type's
// novas and comets.
#pragma once

#include <array>
#include <cstdint>

#include "settings/universe_record.h"

namespace orbweave {

// The values of the current run; the dialog previews set them too.
extern UniverseSettings Universe;

inline constexpr int kHueRampEntries = 81;  // 80 colours, then black

extern std::array<std::int32_t, kHueRampEntries> UniverseHueRamp;
extern std::array<std::array<std::int32_t, kHueRampEntries>, 51> TypeHueRamps;

// Reads the universe values of the current user as stored (no range checks),
// the tour list, both galaxy tables, then rebuilds the colour tables. The
// control-panel preview draws 0.65 of the stars and half the ambient stars.
void LoadUniverseSettings(bool preview);

// Builds the universe ramp from hueStart towards hueEnd (-1 reads either
// from the stored universe values) and each type's ramp from its comet hues.
void BuildHueWheels(std::int16_t hueStart, std::int16_t hueEnd);

}  // namespace orbweave
