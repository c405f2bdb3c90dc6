// What the frames of one run read besides their own star and galaxy tables:
// the universe values the run was started with, the galaxy types and
// composite stand-ins it draws, and the colour tables its stars take their
// colours from. The loop that owns a run builds one and hands it down.
#pragma once

#include <array>

#include "core/colour_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/universe_record.h"

namespace orbweave {

struct RunContext {
    const UniverseSettings& universe;
    std::array<UniGalaxy, kUniGalaxySlots>& types;
    ColourTables& colours;
};

// A run with `universe` over the stored galaxy tables and the process's
// colour tables.
inline RunContext StoredRunContext(const UniverseSettings& universe) { return {universe, UniGalaxies, colourTables}; }

}  // namespace orbweave
