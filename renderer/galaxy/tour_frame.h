// Where a frame stands in the tour, and what the animation shows.
#pragma once

#include <cstdint>

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

}  // namespace orbweave
