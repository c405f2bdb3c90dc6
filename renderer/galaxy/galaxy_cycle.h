// One animation frame of every star that belongs to a galaxy: each moves by
// its type's motion rule and is drawn (a plain pixel, or a new-star, nova or
// pulsar burst while such an event runs on it); a number of stars is reborn;
// the comets of the shown galaxy fly; every type's comet hues slide; the
// hue-cycling stars change colour. The frame's blend level comes back.
#pragma once

#include <cstdint>

#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// What is being displayed.
inline constexpr std::int16_t kShowUniverse = 0;
inline constexpr std::int16_t kShowGalaxyType = 1;  // one galaxy type on its own
inline constexpr std::int16_t kShowComposite = 2;   // one composite galaxy on its own

// Where the camera is in the tour.
struct TourFrame {
    std::int16_t tourGalaxy = 0;       // the galaxy being visited
    std::int16_t cometGalaxyType = 0;  // the type whose comets fly
    std::int16_t tourStep = 0;         // control point of the visit, from 1
    float tourPhase = 0;               // 0..1 along the current leg
    bool tourActive = false;           // on the visits (not the closing leg)
    std::int16_t show = kShowUniverse;
};

// The tables are read and written in place; their sizes bound every loop.
// Returns the frame's blend level, or `lastBlend` when the transition's level
// is beyond a whole number.
std::int32_t CycleGalaxyStars(GalaxyTable& galaxies, StarTable& stars, CometTable& comets, GalaxyPathTables& paths,
                              const TourFrame& tour, std::int32_t lastBlend);

}  // namespace orbweave
