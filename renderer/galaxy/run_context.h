// What the frames of one run read besides their own star and galaxy tables:
// the universe values the run was started with, the galaxy types and
// composite stand-ins it draws, and the colour tables its stars take their
// colours from. The loop that owns a run builds one and hands it down; every
// step takes its types and colours from the run it is handed, so a preview
// can draw a copy of the types without touching the stored ones.
#pragma once

#include <array>

#include "core/colour_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/universe_record.h"

namespace orbweave {

// The galaxy types 0..49 and the composite stand-ins 50..65 of a run.
using GalaxyTypes = std::array<UniGalaxy, kUniGalaxySlots>;

// The tables a run draws with, before its universe values are known.
struct RunTables {
    GalaxyTypes& types;
    ColourTables& colours;
};

struct RunContext {
    const UniverseSettings& universe;
    GalaxyTypes& types;
    ColourTables& colours;
};

// The stored galaxy tables and the process's colour tables: the one place
// that names them for a run.
inline RunTables StoredRunTables() { return {UniGalaxies, colourTables}; }

// A run with `universe` over the given tables, by default the stored ones.
inline RunContext RunWith(const UniverseSettings& universe, const RunTables& tables) {
    return {universe, tables.types, tables.colours};
}
inline RunContext StoredRunContext(const UniverseSettings& universe) { return RunWith(universe, StoredRunTables()); }

}  // namespace orbweave
