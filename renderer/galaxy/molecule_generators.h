// The molecular style (9): up to 32 atoms, each an element drawn in one of
// twelve structure types (single point, shells of 6 to 38 points, square and
// hexagonal grids, cubes and stacked triangular or hexagonal matrices),
// optionally wrapped in a spherical electron shell. A star lands on one atom,
// picked in proportion to the atom's point count, at one point of its
// structure, and takes the element's hue.
#pragma once

#include <cstdint>

#include "renderer/galaxy/run_context.h"

namespace orbweave {

// Structure types of an atom.
inline constexpr std::int16_t kStructureSingle = 0;
inline constexpr std::int16_t kStructureRectgrid = 6;
inline constexpr std::int16_t kStructureHexagrid = 7;
inline constexpr std::int16_t kStructureCube = 8;
inline constexpr std::int16_t kStructureTetramatrix = 9;
inline constexpr std::int16_t kStructureOctamatrix = 10;
inline constexpr std::int16_t kStructureHexamatrix = 11;

// Grids of points in a plane.
inline constexpr std::int16_t kGridTriangle = 3;
inline constexpr std::int16_t kGridHexagon = 6;

// A star of the molecule, turned by the type's arm angle; color receives the
// element's hue in degrees (colour mode 6 turns it into a pixel colour).
void GenerateMoleculeStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin,
                          std::int32_t& color, float& omega, std::int16_t galType, bool withShells);

// A point of the molecule, unturned, and the atom it belongs to. A molecule
// without atoms yields the origin.
void GenerateMoleculePoint(const RunContext& run, float& x, float& y, float& z, std::int16_t& atomIndex,
                           std::int16_t galType, bool withShells);

// Adds a point of a planar grid with spacing s to (u, v): a triangle of
// size + 1 rows (kind 3) or a hexagon of `size` rings (any other kind), the
// point picked among `total`.
void GenerateAtomShellPoint(float& u, float& v, std::int16_t kind, std::int32_t total, std::int16_t size, float s);

// Adds a point of a stacked structure (types 8 to 11) with `size` points per
// side and spacing s.
void GenerateAtomStructurePoint(float& x, float& y, float& z, std::int16_t structure, std::int16_t size, float s);

}  // namespace orbweave
