// The per-galaxy path tables: the figure vertices and chain points of the
// I.F.S. styles, and the nebula ribbons whose control points wander slowly
// between random keys while the ribbon turns with the galaxy.
#pragma once

#include <cstdint>
#include <span>

#include "renderer/galaxy/run_context.h"
#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// Sizes the tables for `count` galaxies (all zero), resets every type's
// level, arm, tilt and hue angles, and sets each galaxy's paths up:
// type >= 0 gives every galaxy that type; composite >= 0 sets galaxy 0 up
// with the members of that composite; otherwise each galaxy takes its slot
// from `types` (a composite slot sets up its members, the major one last so
// its tables stay).
void InitGalaxyTypeTables(const RunContext& run, GalaxyPathTables& paths, std::int16_t count, std::int16_t type,
                          std::int16_t composite, std::span<const std::int16_t> types);

// Galaxy g's tables for one galaxy type.
void InitGalaxyTypePath(const RunContext& run, GalaxyPathTables& paths, std::int16_t type, std::int16_t g);

// Writes the type's figure vertices (style 1: one seed point).
void BuildPathControlPoints(const RunContext& run, FigurePoints& figure, std::int16_t type);

// One frame of nebula motion for galaxies 0..count-1: the given type for
// all when type >= 0, else each galaxy's own (the major member of a
// composite).
void AdvanceNebulaPaths(const RunContext& run, GalaxyPathTables& paths, std::int16_t count, std::int16_t type,
                        std::span<const std::int16_t> types);

}  // namespace orbweave
