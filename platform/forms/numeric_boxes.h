// Numeric entry boxes bound from table rows: one row per box names the box,
// the keys it accepts, the clamp it gets on leaving, how far Up and Down step
// it and the spin control that mirrors it. The three sets of limits are a
// box's own and may differ (a spin may stop at 9999 where the clamp allows
// 30000). Rows are plain data, so that value tables can produce them.
//
//     {{"txtGalaxy", 0}, NumericKeys::Digits, {kNumericLong, 1, 30000}, {10, 1, 30000}, {"spnGalaxy", 0}},
//     {{"txtGalaxy", 8}, NumericKeys::Decimal, {kNumericSingle, 0, 99.9f}},
#pragma once

#include <cstdint>
#include <span>

#include "core/arrow_step.h"

#include "platform/forms/control.h"
#include "platform/forms/window_utils.h"

namespace orbweave {

class Form;

enum class NumericKeys : std::uint8_t {
    Digits,   // "0" to "9" and Backspace
    Decimal,  // as Digits, plus one "."
};

// The clamp on leaving the box (ValidateNumericText); kNumericUnclamped leaves the text as typed.
struct NumericClamp {
    NumericKind kind = kNumericUnclamped;
    float low = 0.0f;
    float high = 0.0f;
};

struct NumericBoxRow {
    ControlRef box;
    NumericKeys keys = NumericKeys::Digits;
    NumericClamp clamp{};
    ArrowStep arrows{};
    // The spin control that mirrors the box; none without a name. Its range
    // is set up on its own (SetupNumericField).
    ControlRef spin{};
};

// Gives each row's box its handlers: GotFocus selects the whole text, KeyPress
// filters the keys, KeyDown steps on Up and Down, LostFocus clamps, Change
// moves the spin to the value (a value outside the spin's range leaves it
// where it was) and the spin's Change writes its value into the box. A
// handler a box or spin already has runs after these. A row naming a control
// the form does not have throws std::logic_error (Form::Get).
void BindNumericBoxes(Form& form, std::span<const NumericBoxRow> rows);

}  // namespace orbweave
