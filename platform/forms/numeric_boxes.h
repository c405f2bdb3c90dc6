// Numeric entry boxes bound from table rows: one row per box names the box,
// its rule (keys, clamp on leaving, arrow steps) and the spin control that
// mirrors it. Rows are plain data, so that value tables can produce them.
//
//     {{"txtGalaxy", 0}, LongBox(1, 30000, 10), {"spnGalaxy", 0}},
//     {{"txtGalaxy", 8}, SingleBox(0, 99.9)},
#pragma once

#include <span>

#include "core/box_rule.h"
#include "platform/forms/control.h"
#include "platform/forms/window_utils.h"

namespace orbweave {

class Form;

struct NumericBoxRow {
    ControlRef box;
    BoxRule rule{};
    // The spin control that mirrors the box; none without a name. Its range
    // is set up on its own (SetupNumericField).
    ControlRef spin{};
};

// Gives each row's box its handlers: GotFocus selects the whole text, KeyPress
// filters the keys, KeyDown steps on Up and Down, LostFocus clamps (a clamp
// that follows the galaxy style is left to the dialog), Change moves the spin
// to the value (a value outside the spin's range leaves it where it was) and
// the spin's Change writes its value into the box. A handler a box or spin
// already has runs after these. A row naming a control the form does not have
// throws std::logic_error (Form::Get).
void BindNumericBoxes(Form& form, std::span<const NumericBoxRow> rows);

}  // namespace orbweave
