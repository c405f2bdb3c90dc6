// The numeric boxes of the properties dialog, bound from the value tables:
// keys, arrow steps, the clamp on leaving (fixed, or by the galaxy style
// shown), the spin control that mirrors a box (some scaled) and the colour
// preview a box redraws while it is typed. Also the select-all of the name
// boxes and the property-copy box.
#pragma once

#include <functional>
#include <optional>

#include "settings/display_values.h"

namespace orbweave {

class Form;

// The leave-the-box range of txtGalaxy(3) to (6) and (93) for galaxy style
// 0..9; none for another box or style.
struct LeaveRange {
    double low;
    double high;
};
std::optional<LeaveRange> StyleLeaveRange(int style, int box);

// Binds every numeric box of the dialog. The custom width and height boxes
// clamp on leaving into their low bound and the limits given at that moment.
void BindPropertiesBoxes(Form& dialog, std::function<DisplayLimits()> customSizeLimits);

}  // namespace orbweave
