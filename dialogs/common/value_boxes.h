// The numeric boxes of the dialogs that edit saved values, as rows
// for binding their handlers, produced from the value tables: each row names
// its box and spin control and carries the box's rule (keys, leave-the-box
// clamp, arrow steps, spin range).
#pragma once

#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/numeric_boxes.h"
#include "settings/display_values.h"
#include "settings/value_controls.h"

namespace orbweave {

struct NumericBoxSpec {
    ControlRef box;
    BoxRule rule;
    ControlRef spin;  // no name: the box has no spin control
};

// txtUni: the universe boxes, in the universe table's order.
std::vector<NumericBoxSpec> UniverseBoxSpecs();
// txtBlend: the universe's two blend levels.
std::vector<NumericBoxSpec> BlendBoxSpecs();
// txtDXRes: the custom width and height, ending where a stored size does, at
// the largest display mode (limits as LargestDisplayMode gives them).
std::vector<NumericBoxSpec> CustomSizeBoxSpecs(const DisplayLimits& limits);
// txtAdv and txtMessage: the advanced settings dialog's numeric boxes.
std::vector<NumericBoxSpec> AdvancedBoxSpecs();
// txtGalaxy, txtPixHue and the percent box of the galaxy-type list: every box
// of a galaxy type's values, in the galaxy table's order. A box that the
// nebula style shares with another value appears once.
std::vector<NumericBoxSpec> GalaxyBoxSpecs();

// The forms layer's binding row of a box: its keys, arrows and leave clamp
// (a clamp that follows the galaxy style leaves the text as typed), and its
// spin when the layer is to mirror it.
enum class SpinMirror { ByLayer, ByCaller };
NumericKind NumericKindOf(BoxClamp clamp);
NumericBoxRow NumericBoxRowOf(const NumericBoxSpec& box, SpinMirror spin);

}  // namespace orbweave
