// The galaxy frame laid out for one galaxy style.
#pragma once

#include <cstdint>

namespace orbweave {

class Form;

void SetupGalaxyStyleControls(Form& dialog, std::int16_t style);

}  // namespace orbweave
