// The galaxy frame's control table.
#pragma once

#include <span>

#include "platform/forms/control.h"

namespace orbweave {

std::span<const ControlSpec> GalaxyFrameControls();

}  // namespace orbweave
