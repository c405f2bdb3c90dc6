// The small steps of the universe run: the run's clamps and units, the
// profile of each epoch and the galaxies' mutual gravity.
#pragma once

#include <cstdint>

#include "renderer/galaxy/star_tables.h"
#include "settings/universe_record.h"

namespace orbweave {

// Clamps the loaded universe values into their ranges and converts five of
// them into run units (expansion per frame, new-star share as a fraction,
// viewing distance, ambient flash size, gravity force) and the damping into
// a per-frame factor. The two universe blend levels are held to 0..100.
void ClampUniverseSettings(UniverseSettings& u);

// The profile type of the next epoch after `previous` (-1 before the first):
// Universe_Profile 0..49 fixes it, 50 picks one at random, 51 takes the
// types in turn from 0.
std::int16_t ChooseEpochProfile(const UniverseSettings& u, std::int16_t previous);

// One frame of the galaxies' mutual pull (every GravFrame-th frame; the
// galaxies coast in between). Galaxy i is pulled by those of lower index at
// their already moved places; the pull falls off as 1 / distance.
void ApplyGalaxyGravity(const UniverseSettings& u, GalaxyTable& galaxies, std::int16_t& gravCounter);

}  // namespace orbweave
