// How stars change colour: hue-cycling types move every star along their hue
// wheel each frame; a new star runs through a ramp from white into its
// type's new-star hue; a pulsar cycles its size and colour through a table
// with a sine-shaped swell and a fade at both ends.
#pragma once

#include <cstdint>
#include <span>

#include "renderer/galaxy/run_context.h"

namespace orbweave {

// One frame of hue cycling for the stars of hue-cycling types: each hue
// advances by its type's wheel increment and the colour follows. Walks the
// first Universe_Stars stars of the run (fewer when the arrays are shorter).
void CycleStarHues(const RunContext& run, std::span<const std::int16_t> types, std::span<std::int32_t> colors,
                   std::span<float> hues);

// Rebuilds the new-star ramps of types 0..49, clamping Galaxy_NewFrames to
// 0..99 in the record: entry 0 the pure end hue, entry n white.
void BuildStarColorRamps(GalaxyTypes& types);

// Rebuilds the pulsar size and colour tables of types 0..49, clamping
// Galaxy_PulsarFrames to 0..99 in the record.
void BuildPulsarTables(GalaxyTypes& types);

// The colour of galType (0..49) at a hue taken modulo 360; 0 for any other type.
std::int32_t GetHueColor(const ColourTables& colours, std::int16_t galType, std::int16_t hue);

}  // namespace orbweave
