// The run-time constants of the galaxy types: scaled radii and speeds,
// angles and their cosines and sines, per-frame probabilities, the plot mode
// of each style, the level tilts, the offsets of user-defined transforms and
// atoms, the composites' running level sums, and the small tables of the
// molecule generator. Derived once per animation run, before the first frame.
#pragma once

#include <array>
#include <cstdint>

#include "renderer/galaxy/run_context.h"

namespace orbweave {

// The renderer's full turn and the conversion of degrees to radians.
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kRadiansPerDegree = kTwoPi / 360.0;

// How the stars of a style move each frame.
inline constexpr std::int16_t kPlotOrbit = 0;     // styles 0, 1, 2, 3, 8, 9
inline constexpr std::int16_t kPlotStraight = 1;  // styles 4, 5
inline constexpr std::int16_t kPlotGravity = 2;   // style 6
inline constexpr std::int16_t kPlotWave = 3;      // style 7

// Galaxy styles.
inline constexpr std::int16_t kStyleStandard = 0;
inline constexpr std::int16_t kStyleAttractor = 1;
inline constexpr std::int16_t kStyleWireframe = 2;
inline constexpr std::int16_t kStyleFractal = 3;
inline constexpr std::int16_t kStyleNebula = 4;
inline constexpr std::int16_t kStyleQuasar = 5;
inline constexpr std::int16_t kStyleGraviton = 6;
inline constexpr std::int16_t kStyleStarwave = 7;
inline constexpr std::int16_t kStyleUserIfs = 8;
inline constexpr std::int16_t kStyleMolecule = 9;

inline constexpr int kShapeTableSize = 100;

// Corners of a hexagon (entry 6 repeats entry 0) and the point counts of
// triangles of i rows and of hexagons of i - 1 rings around a centre. They
// depend on nothing, so they are built once, before main.
extern const std::array<float, 7> HexCos;
extern const std::array<float, 7> HexSin;
extern const std::array<std::int32_t, kShapeTableSize> TriCount;
extern const std::array<std::int32_t, kShapeTableSize> HexCount;

// Derives the run-time fields of galaxy types 0..49 and of the 16 composites.
// Every non-standard type leaves with one level.
void PrecomputeGalaxyConstants(GalaxyTypes& types);

// Levels of a type as an index bound into its ten-level tables: 1..10.
std::int16_t UsableLevels(std::int16_t levels);

}  // namespace orbweave
