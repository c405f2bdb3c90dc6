// The creation of a universe at the start of every epoch: every star and
// galaxy bursts out of one point in a cloud shaped like the epoch's profile
// type; over the creation frames the stars leave the cloud one by one for
// their galaxies while the galaxies drift apart and come to rest. Also the
// ambient stars that fill the space between the galaxies.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/universe/tour.h"

namespace orbweave {

struct CameraPosition {
    float x = 0;
    float y = 0;
    float z = 0;
};

// How a star of a cloud starts (GenerateStarWithVelocity).
inline constexpr std::int16_t kBurstFromCentre = 0;  // at the centre, flying out at `speed`
inline constexpr std::int16_t kPlacedAndMoving = 1;  // at radius `speed`, moving out by `factor`
inline constexpr std::int16_t kPlacedAndStill = 2;   // at radius `speed`, at rest

// Ambient star phases.
inline constexpr std::int16_t kAmbientCreation = 0;
inline constexpr std::int16_t kAmbientTour = 1;

// Chooses each galaxy's type, bursts the stars, galaxies and ambient stars
// out of the centre and runs the creation frames, the galaxies listed in
// `tour` first. expandSpeed is damped and summed into universeExtent; `blend`
// is each frame's blend level (kept when a level is not a whole number).
// Returns early when the frame pacing reports a stop; StopRequested is then set.
void RunUniverseCreation(const RunContext& run, const TourList& tour, UniverseTables& tables, float& expandSpeed,
                         float& universeExtent, std::int16_t profile, std::int32_t& blend);

// One star of a start cloud of galaxy type `type`: a point of the type's
// shape brought to the radius of the universe's expansion (Universe_Expand of the run),
// and a velocity along it turned by the type's first level tilt.
void GenerateStarWithVelocity(const RunContext& run, float& x, float& y, float& z, float& vx, float& vy, float& vz,
                              std::int16_t type, float speed, float factor, std::int16_t mode, StartCloudPaths& cloud,
                              GalaxyPathTables& paths);

// One frame of the ambient stars seen from `camera`. During creation they
// fly outward with the universe; on the tour they stand still. A star is
// reborn at the universe's edge with a white flash, then glows through the
// universe ramp as it ages, and is invisible from age 80.
void CycleUniverseStars(const RunContext& run, AmbientTable& ambient, StartCloudPaths& cloud, GalaxyPathTables& paths,
                        const CameraPosition& camera, float universeExtent, float expandSpeed, std::int16_t phase,
                        std::int16_t profile);

}  // namespace orbweave
