#include "corvane/plotter.h"

#include <cmath>
#include <limits>

namespace orbweave::corvane {
namespace {

PlotterState state;

constexpr int64_t kTableMask = 1023;
// The B-spline basis divides by six, written as the single-precision constant.
constexpr double kSixth = 0.16666667;

}  // namespace

PlotterState& Plotter() { return state; }

void ResetPlotterState() { state = PlotterState{}; }

std::optional<int32_t> Truncate(double value) {
    // Every double strictly between these bounds truncates into int32_t.
    constexpr double kBelow = static_cast<double>(std::numeric_limits<int32_t>::min()) - 1.0;
    constexpr double kAbove = static_cast<double>(std::numeric_limits<int32_t>::max()) + 1.0;
    if (!(value > kBelow && value < kAbove)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

int32_t TruncateSaturated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (const auto whole = Truncate(value)) {
        return *whole;
    }
    return value > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
}

uint32_t TableColour(const uint32_t* table, int64_t index) { return table[index & kTableMask]; }

void PlotPixelClipped(const PlotGeometry& geometry, int64_t x, int64_t y, uint32_t colour) {
    if (x > 0 && x < geometry.xLimit && y > geometry.minY && y < geometry.maxY) {
        geometry.pixels[y * geometry.pitch + x] = colour;
    }
}

std::optional<SplineSegment> WrapSplinePosition(double position, int32_t pointCount) {
    if (pointCount <= 0 || !std::isfinite(position)) {
        return std::nullopt;
    }
    // fmod is exact, so positions in [0, 2 * pointCount) wrap exactly as a
    // single subtraction would.
    double wrapped = std::fmod(position, pointCount);
    if (wrapped < 0) {
        wrapped += pointCount;
    }
    const auto whole = static_cast<int32_t>(wrapped);
    const double t = wrapped - whole;
    // A tiny negative position rounds up to pointCount itself.
    return SplineSegment{whole >= pointCount ? whole - pointCount : whole, t};
}

Vector3 CubicBSplinePoint(const Emission& emission, const SplineSegment& segment) {
    const double t = segment.t;
    const auto blend = [&](const float* points) {
        const double p0 = points[segment.first];
        const double p1 = points[segment.first + 1];
        const double p2 = points[segment.first + 2];
        const double p3 = points[segment.first + 3];
        const double value = (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t + (3 * p0 - 6 * p1 + 3 * p2) * t * t +
                             (3 * p2 - 3 * p0) * t + (p0 + 4 * p1 + p2);
        return static_cast<float>(value * kSixth);
    };
    return {blend(emission.splineX), blend(emission.splineY), blend(emission.splineZ)};
}

void ApplyExpansion(const Emission& emission, const Vector3& position, Vector3& velocity) {
    if (emission.expandFactor > 0) {
        const double factor = emission.expandFactor;
        velocity.x = static_cast<float>(velocity.x + factor * position.x);
        velocity.y = static_cast<float>(velocity.y + factor * position.y);
        velocity.z = static_cast<float>(velocity.z + factor * (position.z - 1.0));
    }
}

}  // namespace orbweave::corvane
