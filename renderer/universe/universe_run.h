// The universe animation: epochs of a creation phase followed by a camera
// tour past the galaxies, repeated until the run is asked to stop.
#pragma once

#include <cstdint>

#include "renderer/display/pacing.h"

namespace orbweave {

// Runs universe epochs until StopRequested is set; it never returns without
// it (a set-up failure sets it). Precondition: LoadUniverseSettings has filled
// the universe state, the galaxy tables are current and LoadDisplaySettings
// has derived the drawing geometry. Every table is released on return.
void RunUniverse();

}  // namespace orbweave
