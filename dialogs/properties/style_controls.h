// Adapting the galaxy frame to a galaxy style: which rows show, what their
// captions say, the ranges of the style-dependent boxes and the help numbers
// of the rows. Everything it sets stays until the next call.
#pragma once

#include <cstdint>

#include "settings/style_ranges.h"

namespace orbweave {

class Form;

// Lays out the galaxy frame of the dialog for style 0..9: visibility,
// captions, box ranges (re-clamping what the boxes hold) and help numbers.
// Styles 8 and 9 keep the box ranges of the last call for another style. A
// style outside 0..9 changes nothing.
void SetupGalaxyStyleControls(Form& dialog, std::int16_t style);

}  // namespace orbweave
