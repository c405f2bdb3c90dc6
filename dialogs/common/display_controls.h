// The controls that hold the advanced and display values in the dialogs: the
// one place that turns a value's control reference into a control name.
#pragma once

#include <string_view>

#include "settings/display_values.h"

namespace orbweave {

enum class DisplayDialog { Advanced, Properties };

struct DisplayControlName {
    DisplayControl control;
    DisplayDialog dialog;
    std::string_view name;  // the control, or the control array with the value's index
    std::string_view spin;  // the spin control array beside a box array; empty for none
};

// The names of a control reference; null for DisplayControl::None.
const DisplayControlName* DisplayControlNameOf(DisplayControl control);

}  // namespace orbweave
