#include "platform/forms/numeric_boxes.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "core/convert.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/handler_chain.h"

namespace orbweave {

namespace {

// The binder's step goes before whatever the control already does.
template <typename... Args>
void Prepend(std::function<void(Args...)>& slot, std::function<void(Args...)> step) {
    slot = Chain(std::move(step), std::move(slot));
}

// Up and Down move the value by the step, rounded to a whole number; a value
// that does not fit a 32-bit whole number once stepped leaves the box as it is.
void StepOnArrow(TextBox& box, const ArrowStep& arrows, int keyCode) {
    const double value = LeadingNumber(box.Text());
    std::optional<std::int32_t> stepped;
    if (keyCode == kKeyUp)
        stepped = ToInt32(std::min<double>(arrows.high, value + arrows.step));
    else if (keyCode == kKeyDown)
        stepped = ToInt32(std::max<double>(arrows.low, value - arrows.step));
    if (stepped) box.SetText(IntegerToText(*stepped));
}

void FilterKey(const TextBox& box, BoxKeys keys, int& keyAscii) {
    if (keys == BoxKeys::Decimal)
        KeyPressDecimal(box, keyAscii);
    else
        KeyPressDigitsOnly(keyAscii);
}

void MirrorIntoSpin(const TextBox& box, SpinControl& spin) {
    if (const auto value = ToInt16(LeadingNumber(box.Text()))) spin.SetValue(*value);
}

// A spin moved by its box leaves the box as typed: an emptied box would
// otherwise read "0" at once, and "08" turn into "8" under the caret.
void BindSpin(TextBox& box, SpinControl& spin) {
    auto followingBox = std::make_shared<bool>(false);
    Prepend(box.events.change, std::function<void()>([&box, &spin, followingBox] {
                *followingBox = true;
                MirrorIntoSpin(box, spin);
                *followingBox = false;
            }));
    Prepend(spin.events.change, std::function<void()>([&box, &spin, followingBox] {
                if (!*followingBox) box.SetText(IntegerToText(spin.Value()));
            }));
}

void BindNumericBox(Form& form, const NumericBoxRow& row) {
    TextBox& box = form.Get<TextBox>(row.box.name, row.box.index);
    SpinControl* spin = row.spin.name.empty() ? nullptr : &form.Get<SpinControl>(row.spin.name, row.spin.index);

    Prepend(box.events.gotFocus, std::function<void()>([&form] { SelectTextOnFocus(form); }));
    Prepend(box.events.keyPress,
            std::function<void(int&)>([&box, keys = row.rule.keys](int& keyAscii) { FilterKey(box, keys, keyAscii); }));
    if (row.rule.arrows.step != 0)
        Prepend(box.events.keyDown, std::function<void(int, int)>([&box, arrows = row.rule.arrows](int keyCode, int) {
                    StepOnArrow(box, arrows, keyCode);
                }));
    if (row.rule.clamp != BoxClamp::None && row.rule.clamp != BoxClamp::ByStyle)
        Prepend(box.events.lostFocus, std::function<void()>([&box, rule = row.rule] {
                    ValidateNumericText(box, rule.clamp, static_cast<float>(rule.low), static_cast<float>(rule.high));
                }));
    if (spin != nullptr) BindSpin(box, *spin);
}

}  // namespace

void BindNumericBoxes(Form& form, std::span<const NumericBoxRow> rows) {
    for (const NumericBoxRow& row : rows) BindNumericBox(form, row);
}

}  // namespace orbweave
