// Factory preset rows put into the dialog's controls.
#pragma once

#include <cstdint>
#include <string>

namespace orbweave {

class Form;

void GalaxyPresetToControls(Form& dialog, std::string sRow, std::int16_t galaxyType);
void UniversePresetToControls(Form& dialog, std::string sRow);

}  // namespace orbweave
