// The blend level and new-star rate of a frame while the camera travels from
// galaxy to galaxy.
#pragma once

#include <cstdint>
#include <span>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/tour_frame.h"

namespace orbweave {

struct TransitionBlend {
    float level = 0;           // the frame's blend level
    float mix = 0;             // (cos(t x pi) + 1) / 2 along the current leg
    std::int16_t newRate = 0;  // hundredths of a star reborn per frame
};

// Eased with `mix` between the travel values and those of the galaxy being
// left (step 1) or reached (the first close point), and the galaxy's own
// values at it. A single galaxy type shows its own values. galTypes holds the
// type slot (0..65) of each galaxy of the run.
TransitionBlend GetTransitionBlend(const RunContext& run, std::span<const std::int16_t> galTypes,
                                   const TourFrame& tour);

}  // namespace orbweave
