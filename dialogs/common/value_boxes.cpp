#include "dialogs/common/value_boxes.h"

#include <span>
#include <variant>

#include "dialogs/common/control_names.h"
#include "settings/display_values.h"
#include "settings/galaxy_values.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

void AddBox(std::vector<NumericBoxSpec>& specs, ControlPlace place, const OptionalBox& box) {
    if (!box) return;
    const ControlRef spin = box->spin.scale != 0 ? SpinOf(place) : ControlRef{};
    specs.push_back({ControlOf(place), *box, spin});
}

std::vector<NumericBoxSpec> SpecsOf(std::span<const UniverseValue> rows) {
    std::vector<NumericBoxSpec> specs;
    for (const UniverseValue& v : rows) AddBox(specs, v.control, v.box);
    return specs;
}

}  // namespace

std::vector<NumericBoxSpec> UniverseBoxSpecs() { return SpecsOf(kUniverseValues); }

std::vector<NumericBoxSpec> BlendBoxSpecs() { return SpecsOf(kUniverseBlendLevels); }

std::vector<NumericBoxSpec> CustomSizeBoxSpecs(const DisplayLimits& limits) {
    std::vector<NumericBoxSpec> specs;
    for (const DisplayValue& v : kDisplayValues) {
        if (v.control.control != DialogControl::CustomSizeBoxes) continue;
        AddBox(specs, v.control, v.box);
        if (v.box && v.storedRange) specs.back().rule.high = HighBoundOf(*v.storedRange, limits);
    }
    return specs;
}

std::vector<NumericBoxSpec> AdvancedBoxSpecs() {
    std::vector<NumericBoxSpec> specs;
    for (const DisplayValue& v : kDisplayValues) {
        if (v.control.control == DialogControl::AdvancedBoxes || v.control.control == DialogControl::MessageBoxes) {
            AddBox(specs, v.control, v.box);
        }
    }
    return specs;
}

std::vector<NumericBoxSpec> GalaxyBoxSpecs() {
    std::vector<NumericBoxSpec> specs;
    for (const GalaxyValue& value : kGalaxyValues) {
        std::visit(
            [&](const auto& v) {
                if constexpr (requires { v.box; }) AddBox(specs, v.control, v.box);
            },
            value);
    }
    return specs;
}

NumericKind NumericKindOf(BoxClamp clamp) {
    switch (clamp) {
    case BoxClamp::Integer: return kNumericInteger;
    case BoxClamp::Single: return kNumericSingle;
    case BoxClamp::Long: return kNumericLong;
    case BoxClamp::None:
    case BoxClamp::ByStyle: break;
    }
    return kNumericUnclamped;
}

NumericBoxRow NumericBoxRowOf(const NumericBoxSpec& box, SpinMirror spin) {
    const NumericKeys keys = box.rule.keys == BoxKeys::Decimal ? NumericKeys::Decimal : NumericKeys::Digits;
    const NumericClamp clamp{NumericKindOf(box.rule.clamp), static_cast<float>(box.rule.low),
                             static_cast<float>(box.rule.high)};
    return {box.box, keys, clamp, box.rule.arrows, spin == SpinMirror::ByLayer ? box.spin : ControlRef{}};
}

}  // namespace orbweave
