// Star generation: every star of a galaxy is born here. GenerateStar resets
// a star's events, asks the generator of its type's style for a position
// (and for some styles a velocity and an own rotation step), then colours it
// by the type's colour mode. The universe's start cloud uses the lighter
// GenerateUniverse... family, which gives a position only.
//
// Positions are in the galaxy's own frame: centred on the core, Y the height
// axis, the disc spanned by X and Z.
#pragma once

#include <cstdint>
#include <span>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// Colour modes of a galaxy type.
inline constexpr std::int16_t kColourRotation = 0;
inline constexpr std::int16_t kColourRotationRoot = 1;
inline constexpr std::int16_t kColourDistance = 2;
inline constexpr std::int16_t kColourDistanceSquared = 3;
inline constexpr std::int16_t kColourBlack = 4;
inline constexpr std::int16_t kColourNebula = 5;
inline constexpr std::int16_t kColourMolecule = 6;

// A new star of galaxy type galType (0..49) as star i of the table, in
// universe galaxy galIndex (the row of the path tables the I.F.S. and nebula
// styles read). Age, events and level start at 0; StarColor on entry takes
// part in colour mode 6.
void GenerateStar(const RunContext& run, StarTable& stars, std::int32_t i, std::int16_t galType, std::int16_t galIndex,
                  GalaxyPathTables& paths);

// A star of a rotating disc (standard, quasar and graviton styles; comet
// heads): its level, position, and the angular step with its cosine and sine.
void GenerateCoreStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin, float& omega,
                      std::int16_t& level, std::int16_t galType, float rotStep, float angleOffset);

// A star on a nebula ribbon: position on the ribbon, a velocity of the
// type's expansion speed plus its solar wind, its place along the ribbon as a
// fraction of the ribbon (0..2) and as a spline parameter.
void GenerateNebulaStar(const RunContext& run, float& x, float& y, float& z, float& vx, float& vy, float& vz,
                        float& pathFraction, float& splineParam, std::int16_t galType, std::int16_t galIndex,
                        GalaxyPathTables& paths);

// Start-cloud shapes: a disc point, and a point of the cloud's own ribbon.
void GenerateUniverseCoreStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType);
void GenerateUniverseNebulaStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType,
                                const StartCloudPaths& cloud);

// The signed height limit of a disc of radius outer at radius r for one of
// the seven profiles (0 elsewhere); above or below the plane with even odds.
// Draws one random whole number whatever the profile.
float GetProfileHeight(std::int16_t profile, float r, float outer, float outerSq);

// The galaxy type a universe galaxy shows: its slot for 0..49, the major
// member of the composite for 50..65. A composite without members, a member
// outside 0..49, or an index or slot outside the tables gives type 0.
std::int16_t ResolveGalaxyType(std::span<const std::int16_t> types, std::int16_t index);

}  // namespace orbweave
