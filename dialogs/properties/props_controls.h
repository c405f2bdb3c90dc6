// The properties dialog's control tables: the left column (universe counts,
// display options, property copy, preview, accept and cancel), the universe
// frame with the galaxy-type list and its five pages, and the menus. The
// galaxy frame's table is GalaxyFrameControls.
#pragma once

#include <span>

#include "platform/forms/control.h"

namespace orbweave {

std::span<const ControlSpec> LeftColumnControls();
std::span<const ControlSpec> UniverseFrameControls();
std::span<const ControlSpec> MenuControls();

// The whole dialog: the tables above and the galaxy frame, containers first.
std::span<const ControlSpec> PropertiesControls();

}  // namespace orbweave
