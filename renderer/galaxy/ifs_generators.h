// The iterated-function-system styles (1 single point attractor, 2 nested
// wireframe, 3 space-filling fractal, 8 user-defined transforms). Each
// displayed galaxy keeps one current point, its chain; every new star
// advances the chain by one step of the style's rule and takes the new
// point, so the shape builds up over many stars as in a chaos game.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// One step of the rule of galType's style on the chain point (px, py, pz)
// with its figure; stepCount counts the style-1 steps since the last
// restart. Other styles leave the chain unchanged.
void IterateIfsPoint(const RunContext& run, float& px, float& py, float& pz, const FigurePoints& figure,
                     std::int16_t& stepCount, std::int16_t galType);

// One step of galaxy galIndex's chain; the star takes the new point turned by
// the type's arm angle and turns at eight times the rotation step.
void GenerateIfsStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin, float& omega,
                     std::int16_t galType, std::int16_t galIndex, GalaxyPathTables& paths);

// One step of the start cloud's chain, unturned. Its style-1 steps are
// counted by galaxy 0's counter.
void GenerateUniverseIfsStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType,
                             StartCloudPaths& cloud, GalaxyPathTables& paths);

}  // namespace orbweave
