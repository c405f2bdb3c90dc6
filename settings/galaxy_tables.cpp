#include "settings/galaxy_tables.h"

namespace orbweave {

std::array<UniGalaxy, kUniGalaxySlots> UniGalaxies;
std::array<CompGalaxy, kCompGalaxyCount> CompGalaxies;

}  // namespace orbweave
