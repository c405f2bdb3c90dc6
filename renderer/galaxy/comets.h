// Comets of the galaxy the camera looks at: a head starts somewhere in the
// galaxy, follows the galaxy's own motion (or escapes from it in a straight
// line) and sheds particles that drift away, run through the type's hue ramp
// as they age and fade out.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// Particles of this age and older are alive but no longer drawn.
inline constexpr std::int16_t kCometParticleLastAge = 80;

// How many comets a galaxy of `type` flies: 5000 particles shared out by
// the type's comet star count (at least 1), at most 200 comets.
std::int16_t CometCountFor(const RunContext& run, std::int16_t type);

// Discards every comet head.
void AllocateCometArrays(CometTable& comets);

// Resets the comets for a visit to a galaxy of `type`: after the first visit
// every particle is freed; the comet count becomes that of the type; the
// heads are discarded.
void InitComets(const RunContext& run, CometTable& comets, std::int16_t visit, std::int16_t type);

// One frame of the comets of universe galaxy `galaxy`, shown as galaxy type
// `type` at (offX, offY, offZ) from the camera. Comets launch only from the
// third control point of a visit (tourStep >= 3) and stop emitting before it.
void CycleComets(const RunContext& run, CometTable& comets, GalaxyPathTables& paths, float offX, float offY, float offZ,
                 std::int16_t galaxy, std::int16_t type, std::int16_t tourStep);

}  // namespace orbweave
