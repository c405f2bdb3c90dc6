// The numeric boxes of the dialogs that edit saved values, as rows
// for binding their handlers, produced from the value tables: each row names
// its box and carries the box's rule (keys, leave-the-box clamp, arrow steps,
// spin range), and names the box's spin control when it has one.
#pragma once

#include <vector>

#include "platform/forms/numeric_boxes.h"
#include "settings/display_values.h"
#include "settings/value_controls.h"

namespace orbweave {

// txtUni: the universe boxes, in the universe table's order.
std::vector<NumericBoxRow> UniverseBoxRows();
// txtBlend: the universe's two blend levels.
std::vector<NumericBoxRow> BlendBoxRows();
// txtDXRes: the custom width and height, ending where a stored size does, at
// the largest display mode (limits as LargestDisplayMode gives them).
std::vector<NumericBoxRow> CustomSizeBoxRows(const DisplayLimits& limits);
// txtAdv and txtMessage: the advanced settings dialog's numeric boxes.
std::vector<NumericBoxRow> AdvancedBoxRows();
// txtGalaxy, txtPixHue and the percent box of the galaxy-type list: every box
// of a galaxy type's values, in the galaxy table's order. A box that the
// nebula style shares with another value appears once.
std::vector<NumericBoxRow> GalaxyBoxRows();

}  // namespace orbweave
