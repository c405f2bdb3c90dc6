// Uniform cubic B-splines: one point of a segment from its four control
// points. Every curved path of the renderer (camera, nebula ribbons, comet
// paths, the wandering of the nebula control points) is evaluated here. The
// callers choose the segment and close a loop by repeating its first three
// points after its last; a point whose control points lie outside the given
// tables leaves the output unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "renderer/galaxy/star_tables.h"

namespace orbweave {

// One coordinate at t (0 at the segment's start, 1 at its end; not clamped).
float SplineValue(float p0, float p1, float p2, float p3, float t);

// The universe camera: the four points of the current window.
void SplineCameraPoint(float& x, float& y, float& z, float t, const std::array<float, 4>& controlX,
                       const std::array<float, 4>& controlY, const std::array<float, 4>& controlZ);

// A path of its own: points i0..i3 of one-dimensional tables.
void SplinePathPoint(float& x, float& y, float& z, float t, std::int16_t i0, std::int16_t i1, std::int16_t i2,
                     std::int16_t i3, std::span<const float> controlX, std::span<const float> controlY,
                     std::span<const float> controlZ);

// A galaxy's nebula ribbon: points i0..i3 of row g.
void SplineNebulaPoint(float& x, float& y, float& z, float t, std::int16_t g, std::int16_t i0, std::int16_t i1,
                       std::int16_t i2, std::int16_t i3, const std::vector<NebulaPoints>& controlX,
                       const std::vector<NebulaPoints>& controlY, const std::vector<NebulaPoints>& controlZ);

// The wandering of control point p of galaxy g through its four keys.
void SplineControlPoint(float& x, float& y, float& z, float t, std::int16_t g, std::int16_t p,
                        const std::vector<NebulaKeys>& keysX, const std::vector<NebulaKeys>& keysY,
                        const std::vector<NebulaKeys>& keysZ);

}  // namespace orbweave
