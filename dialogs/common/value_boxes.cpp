#include "dialogs/common/value_boxes.h"

#include <span>
#include <variant>

#include "dialogs/common/control_names.h"
#include "settings/display_values.h"
#include "settings/galaxy_values.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

void AddBox(std::vector<NumericBoxRow>& rows, ControlPlace place, const OptionalBox& box) {
    if (!box) return;
    const ControlRef spin = box->spin.scale != 0 ? SpinOf(place) : ControlRef{};
    rows.push_back({ControlOf(place), *box, spin});
}

std::vector<NumericBoxRow> RowsOf(std::span<const UniverseValue> values) {
    std::vector<NumericBoxRow> rows;
    for (const UniverseValue& v : values) AddBox(rows, v.control, v.box);
    return rows;
}

}  // namespace

std::vector<NumericBoxRow> UniverseBoxRows() { return RowsOf(kUniverseValues); }

std::vector<NumericBoxRow> BlendBoxRows() { return RowsOf(kUniverseBlendLevels); }

std::vector<NumericBoxRow> CustomSizeBoxRows(const DisplayLimits& limits) {
    std::vector<NumericBoxRow> rows;
    for (const DisplayValue& v : kDisplayValues) {
        if (v.control.control != DialogControl::CustomSizeBoxes) continue;
        AddBox(rows, v.control, v.box);
        if (v.box && v.storedRange) rows.back().rule.high = HighBoundOf(*v.storedRange, limits);
    }
    return rows;
}

std::vector<NumericBoxRow> AdvancedBoxRows() {
    std::vector<NumericBoxRow> rows;
    for (const DisplayValue& v : kDisplayValues) {
        if (v.control.control == DialogControl::AdvancedBoxes || v.control.control == DialogControl::MessageBoxes) {
            AddBox(rows, v.control, v.box);
        }
    }
    return rows;
}

std::vector<NumericBoxRow> GalaxyBoxRows() {
    std::vector<NumericBoxRow> rows;
    for (const GalaxyValue& value : kGalaxyValues) {
        std::visit(
            [&](const auto& v) {
                if constexpr (requires { v.box; }) AddBox(rows, v.control, v.box);
            },
            value);
    }
    return rows;
}

}  // namespace orbweave
