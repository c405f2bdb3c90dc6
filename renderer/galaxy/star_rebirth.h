// The rebirth of a star: the galaxy type it joins (a member of its galaxy's
// composite, picked by level) and the birth event it starts with.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// The galaxy type a star of type slot `slot` (0..65) gets: the slot itself
// for a galaxy type, a member of the composite for a composite slot, picked
// in proportion to the members' levels. Always a type 0..49: a composite
// without members (or whose members have no levels) and any slot outside
// the table give 0.
std::int16_t PickCompositeMember(std::int16_t slot);

// Star s is reborn in galaxy g (at relX, relY, relZ from the camera) as a
// new star, a nova or a pulsar, and the first frame of a new star or a nova
// is drawn at once.
void SpawnStar(const RunContext& run, StarTable& stars, std::int32_t s, const GalaxyTable& galaxies,
               GalaxyPathTables& paths, float relX, float relY, float relZ, std::int16_t g, std::int16_t show);

}  // namespace orbweave
