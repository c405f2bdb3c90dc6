// The numeric boxes of the advanced and display values, as rows for the
// dialogs' box binding, made from the value table.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dialogs/common/display_controls.h"
#include "settings/display_values.h"

namespace orbweave {

// One numeric text box: the keys it takes, how the arrow keys step it, the
// spin control beside it and the range that leaving it clamps into (the
// arrow keys stop there too).
struct NumericBoxRow {
    std::string_view box;  // the text box array
    int index = 0;
    double low = 0;
    double high = 0;
    BoxKeys keys = BoxKeys::Digits;
    std::int16_t arrowStep = 0;  // 0: the arrow keys do nothing
    std::string_view spin;       // the spin control array, same index; empty for none
    std::int16_t maxLength = 0;  // 0: no limit
};

// The boxes of one dialog, in table order. A bound taken from the display
// comes from limits: the largest listed display mode, or the desktop's size
// when none is listed (LargestDisplayMode).
std::vector<NumericBoxRow> DisplayNumericBoxes(DisplayDialog dialog, const DisplayLimits& limits);

}  // namespace orbweave
