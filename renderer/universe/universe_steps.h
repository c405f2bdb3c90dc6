// The small steps of the universe run that the star cycle and the creation
// phase share: the run's clamps and units, the choice of a composite's
// member, the blend level and new-star rate along the tour, the rebirth of a
// star with its birth event, and the galaxies' mutual gravity.
#pragma once

#include <cstdint>
#include <span>

#include "renderer/galaxy/star_tables.h"
#include "renderer/universe/universe_settings.h"

namespace orbweave {

// Clamps the loaded universe values into their ranges and converts five of
// them into run units (expansion per frame, new-star share as a fraction,
// viewing distance, ambient flash size, gravity force) and the damping into
// a per-frame factor. The two universe blend levels are held to 0..100.
void ClampUniverseSettings(UniverseSettings& u);

// The profile type of the next epoch after `previous` (-1 before the first):
// Universe_Profile 0..49 fixes it, 50 picks one at random, 51 takes the
// types in turn from 0.
std::int16_t ChooseEpochProfile(std::int16_t previous);

// The galaxy type a star of UniGalaxies slot `slot` gets: the slot itself
// for a galaxy type, a member of the composite for a composite slot, picked
// in proportion to the members' levels. Always a type 0..49: a composite
// without members (or whose members have no levels) and any slot outside
// the table give 0.
std::int16_t PickCompositeMember(std::int16_t slot);

// The blend level (`level`) and the new-star rate (the result, hundredths of
// a star per frame) while the camera travels from galaxy to galaxy: eased
// with `mix` = (cos(t x pi) + 1) / 2 between the travel values and those of
// the galaxy being left (step 1) or reached (the first close point), and the
// galaxy's own values at it. A single galaxy type shows its own values.
std::int16_t GetTransitionBlend(std::span<const std::int16_t> galTypes, float& mix, float& level, std::int16_t g,
                                std::int16_t step, float t, bool tourActive, std::int16_t show);

// Star s is reborn in galaxy g (at relX, relY, relZ from the camera) as a
// new star, a nova or a pulsar, and the first frame of a new star or a nova
// is drawn at once.
void SpawnStar(StarTable& stars, std::int32_t s, const GalaxyTable& galaxies, GalaxyPathTables& paths, float relX,
               float relY, float relZ, std::int16_t g, std::int16_t show);

// One frame of the galaxies' mutual pull (every GravFrame-th frame; the
// galaxies coast in between). Galaxy i is pulled by those of lower index at
// their already moved places; the pull falls off as 1 / distance.
void ApplyGalaxyGravity(GalaxyTable& galaxies, std::int16_t& gravCounter);

}  // namespace orbweave
