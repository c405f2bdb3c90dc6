#pragma once

// Moves the galaxy tables between memory and the settings store. Each galaxy
// type lives in section "Universe\Galaxy<i>" with sub-keys "IFS" and "ATOMIC"
// for its user-defined transforms and atoms; each composite in
// "Universe\CompGal<c>". Readers take a hive (0 machine-wide, 1 current user);
// writers always write the current user's hive. Table readers validate each
// record after reading it; the galaxy-type table writer validates before
// writing, the composite writer writes the records as they stand.

#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

std::string UniGalaxySection(int galaxyType);
std::string CompGalaxySection(int composite);

// All 50 galaxy types, each read then validated. Missing values take their
// defaults; a missing name reads "< Galaxy Profile n >" with n = type + 1.
void RegToUniGalaxies(int hive);
// All 16 composites, each read then validated.
void RegToCompGalaxies(int hive);
// Both tables from one saved state: never the types of one save and the
// composites of a later one that another process stored meanwhile.
void RegToGalaxyTables(int hive);

// Bulk writers: each runs in one transaction (joining an enclosing one) and
// returns true only when every value was stored.
bool UniGalaxiesToReg();
bool CompGalaxiesToReg();
// Both tables in one transaction: all of it is stored or none of it.
bool GalaxyTablesToReg();

// One record. Readers never store past a block's capacity (5 transforms, 32
// atoms, 50 members) whatever count was stored; the count is kept as read.
void RegToUniGalaxy(std::int16_t index, std::string_view section, int hive);
void RegToCompGalaxy(std::int16_t index, std::string_view section, int hive);
// Writers return true when every write (and the removal of an old IFS or
// ATOMIC sub-key) succeeded.
bool UniGalaxyToReg(std::int16_t index, std::string_view section);
bool CompGalaxyToReg(std::int16_t index, std::string_view section);

}  // namespace orbweave
