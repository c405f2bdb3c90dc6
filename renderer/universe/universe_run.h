// The universe animation: epochs of a creation phase followed by a camera
// tour past the galaxies, repeated until the run is asked to stop.
#pragma once

#include <optional>

#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe/universe_settings.h"

namespace orbweave {

// Runs universe epochs with `inputs` until StopRequested is set; it never
// returns without it (a set-up failure sets it). The values are clamped and
// put into run units in place, so the caller's record holds what the run
// used. Precondition: the galaxy tables are current, the colour tables built
// and LoadDisplaySettings has derived the drawing geometry. Every table is
// released on return.
void RunUniverse(UniverseInputs& inputs);

// A universe run in the picture box `pic` of a dialog, prepared as
// PreviewGalaxy prepares its display. False, with nothing touched, while
// another animation runs.
bool PreviewUniverse(const DrawingTarget& pic, const DisplayChoices& display, UniverseInputs& inputs,
                     std::optional<PreviewHues> hues);

}  // namespace orbweave
