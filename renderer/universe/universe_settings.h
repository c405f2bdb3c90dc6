// What a universe run takes: the universe values, each named like the stored
// value that holds it, and the tour list; read from the store, or filled by
// a dialog's preview from its controls.
#pragma once

#include <array>
#include <cstdint>

#include "core/colour_tables.h"
#include "renderer/universe/tour.h"
#include "settings/galaxy_tables.h"
#include "settings/universe_record.h"

namespace orbweave {

struct UniverseInputs {
    UniverseSettings values;
    TourList tour;
};

// Where a run takes its galaxy types and composites from.
enum class GalaxyTablesSource {
    Store,   // the user's stored tables
    Memory,  // the tables already in memory (the store could not take them)
};

// The universe values of the current user as stored (no range checks) and
// the tour list; reads both galaxy tables unless they are kept from memory,
// then rebuilds the colour tables. The control-panel preview draws 0.65 of
// the stars and half the ambient stars.
UniverseInputs LoadUniverseSettings(bool preview, GalaxyTablesSource tables = GalaxyTablesSource::Store);

// BuildHueWheels with the universe hue wheel as the current user stored it.
void BuildStoredHueWheels(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types);

}  // namespace orbweave
