// The control table of the properties dialog's galaxy frame, fraAni(0)
// "Galaxy Properties": everything that edits one galaxy type. The combo boxes
// are declared empty; the dialog fills them while it loads.
#pragma once

#include <span>

#include "platform/forms/control.h"

namespace orbweave {

// The frame's rows in Tab order, each inside fraAni(0) or one of its pages
// fraGalProp(0..2). The frame sits at left 4080, top 60 of the dialog.
std::span<const ControlSpec> GalaxyFrameControls();

}  // namespace orbweave
