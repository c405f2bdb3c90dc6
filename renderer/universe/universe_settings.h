// The universe values of the renderer, each named like the stored value that
// holds it, and the building of the hue ramps of the universe stars and of
// each galaxy type's novas and comets.
#pragma once

#include <array>
#include <cstdint>

#include "core/colour_tables.h"
#include "settings/universe_record.h"

namespace orbweave {

// The values of the current run; the dialog previews set them too.
extern UniverseSettings Universe;

// The universe values and the tour list back to the values the process
// starts with.
void ResetUniverseSettings();

// Where a run takes its galaxy types and composites from.
enum class GalaxyTablesSource {
    Store,   // the user's stored tables
    Memory,  // the tables already in memory (the store could not take them)
};

// Reads the universe values of the current user as stored (no range checks),
// the tour list, both galaxy tables unless they are kept from memory, then
// rebuilds the colour tables. The control-panel preview draws 0.65 of the
// stars and half the ambient stars.
void LoadUniverseSettings(bool preview, GalaxyTablesSource tables = GalaxyTablesSource::Store);

// Builds the universe ramp from hueStart towards hueEnd (-1 reads either
// from the stored universe values) and each type's ramp from its comet hues.
void BuildHueWheels(std::int16_t hueStart, std::int16_t hueEnd);

}  // namespace orbweave
