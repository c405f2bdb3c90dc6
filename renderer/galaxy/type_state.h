// The per-frame state shared by all galaxies of a type: the level tilt
// angles, the hue-wheel phase, the arm and tilt angles, and whether the
// type's stars cycle through the hues.
#pragma once

#include "renderer/galaxy/run_context.h"

namespace orbweave {

// One frame of every type's level angles, hue phase, arm and tilt angles.
// Each wraps by a single subtraction, so an increment above a full turn lets
// an angle grow.
void AdvanceGalaxyAngles(GalaxyTypes& types);

// Decides once per run which types let their stars cycle hue: every style
// but nebulae (unless their advanced hue wheel is on) and starwaves, and no
// type whose stars are black.
void SetHueCycleFlags(GalaxyTypes& types);

}  // namespace orbweave
