// One animation frame of every star that belongs to a galaxy: each moves by
// its type's motion rule and is drawn (a plain pixel, or a new-star, nova or
// pulsar burst while such an event runs on it); a number of stars is reborn;
// the comets of the shown galaxy fly; every type's comet hues slide; the
// hue-cycling stars change colour. The frame's blend level comes back.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/galaxy/tour_frame.h"

namespace orbweave {

// The tables are read and written in place; their sizes bound every loop.
// Returns the frame's blend level, or `lastBlend` when the transition's level
// is beyond a whole number.
std::int32_t CycleGalaxyStars(const RunContext& run, GalaxyTable& galaxies, StarTable& stars, CometTable& comets,
                              GalaxyPathTables& paths, const TourFrame& tour, std::int32_t lastBlend);

}  // namespace orbweave
