#pragma once

// Moves one galaxy type between its record in UniGalaxies and the properties
// dialog's galaxy controls (the galaxy frame's boxes, lists and check boxes),
// walking the galaxy value table: each row names the control that shows it.
// The type's name, percent and level details are not part of the exchange.
// A control that is missing or refuses a value leaves that one value as it
// was; a galaxy type outside 0..49 changes nothing.

namespace orbweave {

class Form;

// The controls into UniGalaxies(galaxyType). A box is read by its leading
// number, rounded (halves to even) for a whole-number field; a box shared by
// two fields (boxes 3 to 6 and 93) fills both, whatever the style. A list
// without a selection, or a number the field cannot hold, keeps the field.
// The nebula and molecule styles store their own colour computation, since
// the colour list cannot show it.
void ControlsToUniGalaxy(Form& dialog, int galaxyType);

// UniGalaxies(galaxyType) into the controls: every box, list and check box
// of the frame, then the style, plane, colour and profile lists (setting the
// style re-lays the frame for the values just shown). The shared boxes show
// the nebula's control-point values when the type's style is the nebula.
void UniGalaxyToControls(Form& dialog, int galaxyType);

}  // namespace orbweave
