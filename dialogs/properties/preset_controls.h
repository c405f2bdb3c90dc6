// Spreading a factory preset row over the properties dialog's controls: a
// galaxy row over the galaxy frame (and the few fields of the galaxy type
// that have no control), a universe theme row over the universe controls.
#pragma once

#include <cstdint>
#include <string>

namespace orbweave {

class Form;

// Puts the comma-separated galaxy row into the galaxy frame, column by
// column. Setting the style list runs its click handler, which re-lays the
// frame for the row's style before the boxes are filled. The standard-level
// options (style 0), the user-defined transforms (style 8) and atoms (style 9)
// go straight into UniGalaxies[galaxyType]; the other blocks are emptied.
// A column that does not convert leaves its list, check box or field as it
// was. A galaxy type outside 0..49 gets no record changes.
void GalaxyPresetToControls(Form& dialog, std::string sRow, std::int16_t galaxyType);

// Puts the comma-separated universe theme row into the universe controls,
// the blend boxes and the tour sequence; the camera ramp keeps its value.
void UniversePresetToControls(Form& dialog, std::string sRow);

}  // namespace orbweave
