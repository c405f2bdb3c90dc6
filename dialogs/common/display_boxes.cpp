#include "dialogs/common/display_boxes.h"

namespace orbweave {

std::vector<NumericBoxRow> DisplayNumericBoxes(DisplayDialog dialog, const DisplayLimits& limits) {
    std::vector<NumericBoxRow> rows;
    for (const DisplayValue& value : kDisplayValues) {
        const DisplayControlName* names = DisplayControlNameOf(value.control);
        if (!value.box || names == nullptr || names->dialog != dialog) continue;
        const NumericBox& box = *value.box;
        rows.push_back({names->name, value.controlIndex, box.range.low, HighBoundOf(box.range, limits), box.keys,
                        box.arrowStep, box.spin ? names->spin : std::string_view(), box.maxLength});
    }
    return rows;
}

}  // namespace orbweave
