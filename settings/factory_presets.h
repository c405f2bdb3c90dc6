#pragma once

// Factory values of the settings model: the 50 galaxy types (a name, a percent
// and a comma-separated row each), the 8 universe themes and the 16 composite
// galaxies, and the loaders that turn rows into records. Rows are kept as text
// because the dialog puts their fields into its boxes as they stand.

#include <array>
#include <cstdint>
#include <string>

#include "settings/galaxy_tables.h"

namespace orbweave {

inline constexpr int kUniverseThemeCount = 8;

// Factory names and percents (weights) of the galaxy types, filled once at
// start-up by InitUniGalaxyNames and only read afterwards.
extern std::array<std::string, kGalaxyTypeCount> UniGalDefaultNames;
extern std::array<std::int16_t, kGalaxyTypeCount> UniGalDefaultPcts;

void InitUniGalaxyNames();

// Row n counted from 1 (galaxy type n - 1, theme n, composite n); an empty
// text for any n outside the table.
std::string GetUniGalaxyPreset(std::int16_t n);
std::string GetUniverseThemePreset(std::int16_t n);
std::string GetCompGalaxyPreset(std::int16_t n);

// Loads the factory name, percent and row of galaxy type index (0..49) into
// UniGalaxies. The record is not validated; a field that does not convert,
// entries beyond the new block counts and the run-time fields keep their values.
void LoadFactoryUniGalaxy(std::int16_t index);

// Fills all 16 composites from their factory rows (not validated).
void LoadFactoryCompGalaxies();

// Galaxy types 0..49, then the composites.
void LoadFactoryDefaults();

}  // namespace orbweave
