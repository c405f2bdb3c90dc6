// Moves one galaxy type between the galaxy tables and the properties
// dialog's galaxy controls.
#pragma once

namespace orbweave {

class Form;

void ControlsToUniGalaxy(Form& dialog, int galaxyType);
void UniGalaxyToControls(Form& dialog, int galaxyType);

}  // namespace orbweave
