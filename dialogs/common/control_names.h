// The names of the dialogs' controls that hold saved values. The
// value tables below the dialogs name a control by a DialogControl and an
// index; this is the one table that turns those into names.
#pragma once

#include "platform/forms/control.h"
#include "settings/value_controls.h"

namespace orbweave {

// The control at a place: its array's name and the place's index. A place
// of DialogControl::None gives an empty name.
ControlRef ControlOf(ControlPlace place);

// The spin control beside the numeric box at a place (the same index in the
// spin array), or an empty name when its array has no spin controls.
ControlRef SpinOf(ControlPlace place);

}  // namespace orbweave
