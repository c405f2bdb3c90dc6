// State and routines shared by the particle plotters: the starfield, the
// gravity wells and the star-array engine.
#pragma once

#include <array>
#include <cstdint>
#include <numbers>
#include <optional>

namespace orbweave::corvane {

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Where and in which colours a plotter draws: x is drawn when
// 0 < x < xLimit (1 <= x < xLimit for the star array), y when minY < y < maxY.
struct PlotGeometry {
    const uint32_t* colourTable = nullptr;
    uint32_t* pixels = nullptr;
    int32_t centreX = 0;
    int32_t centreY = 0;
    int32_t xLimit = 0;
    int32_t pitch = 0;
    int32_t minY = 0;
    int32_t maxY = 0;
};

// The geometry both set-up exports receive; the centre is kept as the
// 16-bit value the plotters work with.
inline PlotGeometry MakePlotGeometry(const uint32_t* colourTable, uint32_t* pixels, int32_t centreX, int32_t centreY,
                                     int32_t xLimit, int32_t pitch, int32_t minY, int32_t maxY) {
    return PlotGeometry{
        .colourTable = colourTable,
        .pixels = pixels,
        .centreX = static_cast<int16_t>(centreX),
        .centreY = static_cast<int16_t>(centreY),
        .xLimit = xLimit,
        .pitch = pitch,
        .minY = minY,
        .maxY = maxY,
    };
}

// The spline path and emission values of the latest frame record.
struct Emission {
    int32_t keepThreshold = 0;
    int32_t splineThreshold = 0;
    float spreadScale = 0;
    const float* splineX = nullptr;
    const float* splineY = nullptr;
    const float* splineZ = nullptr;
    float cameraSpeedZ = 0;
    int32_t pointCount = 0;
    int32_t segments = 0;
    float biasExp = 0;
    float phase = 0;
    float emitSpeed = 0;
    float expandFactor = 0;
};

inline constexpr int kLifetimeCount = 64;
inline constexpr int kBiasCount = 2048;

struct PlotterState {
    PlotGeometry geometry;
    int32_t haloHueStep = 0;
    int16_t wellCount = 0;
    int16_t wellColourMode = 0;
    int16_t wellDualPlot = 0;
    float wellFocal = 0;
    float wellSecondOffsetX = 0;
    int16_t wellSecondHueOffset = 0;
    Emission emission;
    // Star-array engine.
    std::array<int32_t, kLifetimeCount> lifetimes{};
    int32_t lifeIndex = 0;
    int32_t lifetimeKeep = -64;  // so that the first call builds the table
    std::array<float, kBiasCount> biasTable{};
    double invPointCount = 0;
    double segmentScale = 0;
    double segmentToPoint = 0;
};

PlotterState& Plotter();

// Returns the plotters to their state at load (for tests).
void ResetPlotterState();

struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

// The whole part of a value that fits a 32-bit integer; nothing for a value
// that is not finite or does not fit.
std::optional<int32_t> Truncate(double value);

// Truncation that never fails: NaN gives 0, values beyond the range the
// nearest 32-bit integer.
int32_t TruncateSaturated(double value);

// Entry of a 1024-colour table for any index.
uint32_t TableColour(const uint32_t* table, int64_t index);

// Sets the pixel when 0 < x < xLimit and minY < y < maxY.
void PlotPixelClipped(const PlotGeometry& geometry, int64_t x, int64_t y, uint32_t colour);

// Control point index and parameter of a spline position.
struct SplineSegment {
    int32_t first;
    double t;
};

// Wraps a position along a closed path of pointCount points into
// [0, pointCount): positions past the end or before the start come round.
// Nothing when the path has no points or the position is not finite.
std::optional<SplineSegment> WrapSplinePosition(double position, int32_t pointCount);

// Uniform cubic B-spline point of control points first..first + 3.
Vector3 CubicBSplinePoint(const Emission& emission, const SplineSegment& segment);

// A new star's velocity grows with its distance from the path centre
// (z measured from 1) when the expand factor is positive.
void ApplyExpansion(const Emission& emission, const Vector3& position, Vector3& velocity);

// The spline and emission words of a frame record (both records name them
// alike); the probabilities become thresholds against 15-bit draws.
template <class Frame>
Emission EmissionOf(const Frame& frame, int32_t pointCount, int32_t segments) {
    constexpr double kDrawRange = 32768.0;
    return Emission{
        .keepThreshold = TruncateSaturated(frame.keepProbability * kDrawRange),
        .splineThreshold = TruncateSaturated(frame.splineProbability * kDrawRange),
        .spreadScale = static_cast<float>(frame.spread / kDrawRange),
        .splineX = frame.splineX,
        .splineY = frame.splineY,
        .splineZ = frame.splineZ,
        .cameraSpeedZ = frame.cameraSpeedZ,
        .pointCount = pointCount,
        .segments = segments,
        .biasExp = frame.splineBiasExp,
        .phase = frame.splinePhase,
        .emitSpeed = frame.emitSpeed,
        .expandFactor = frame.expandFactor,
    };
}

}  // namespace orbweave::corvane
