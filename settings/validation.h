#pragma once

// Clamping of a loaded or edited record into its legal ranges. Records are
// validated around their transfers (after a read, before a write), never inside
// them; validation never fails and never reports.

#include <cstdint>

namespace orbweave {

// Clamps every saved field of UniGalaxies[index] into its range (the radial
// fields by galaxy style) and resets the nebula travel and the arm and tilt
// angles. An index outside the table does nothing.
void ValidateUniGalaxy(std::int16_t index);

// Clamps the percent, the member count (0..50) and the members in use of
// CompGalaxies[index]. An index outside the table does nothing.
void ValidateCompGalaxy(std::int16_t index);

}  // namespace orbweave
