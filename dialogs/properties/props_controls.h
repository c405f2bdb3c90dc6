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

// The dialog's font. The tables' twips were laid out for a small dialog font
// of 8 points; Qt's default of 9 points is too wide for the captions.
FontSpec PropertiesFont();

// Controls that share their place with another and start hidden: of the
// property copy's three value editors only the text box shows until a
// property is chosen.
std::span<const ControlRef> HiddenAtLoad();

}  // namespace orbweave
