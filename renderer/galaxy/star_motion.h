// A galaxy star's motion in one frame, by its type's plot mode: a turn about
// the galaxy's vertical axis (orbit), a straight step, a fall towards the
// core (gravity) or a wave whose amplitude decays with the star's age.
#pragma once

#include <cstdint>

#include "renderer/galaxy/star_tables.h"
#include "settings/galaxy_records.h"

namespace orbweave {

// The pull of a gravity-mode star towards its galaxy's core: its velocity
// gains -strength / (r² + softening) times its position.
struct GravityPull {
    double strength = 0;
    double softening = 0;
};

// Star i one frame older; the age stops at the largest value it can hold.
void AgeStar(StarTable& stars, std::int32_t i);

// Moves star i one frame by the plot mode of type `t`; false for a plot mode
// that has no motion rule (the star is left where it is).
bool MoveStar(StarTable& stars, std::int32_t i, const UniGalaxy& t, const GravityPull& pull);

}  // namespace orbweave
