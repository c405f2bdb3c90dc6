// The star-array engine: stars are records in one array, live for a number of
// frames drawn from a precomputed lifetime table, and are re-born along the
// spline path with shaped velocity patterns; every call carries its own
// drawing geometry.
#include <cmath>
#include <cstdlib>

#include "corvane/corvane.h"
#include "corvane/gravity.h"
#include "corvane/plotter.h"
#include "corvane/random.h"

namespace orbweave::corvane {
namespace {

constexpr int32_t kHalfRand = 16384;
constexpr double kAngleStep = kTwoPi / 32768.0;  // one step of a 15-bit turn

// Lifetimes for keep thresholds at or near certainty, and the longest count
// of draws for a geometric lifetime.
constexpr int32_t kAlwaysKeep = 32767;
constexpr int32_t kNearlyAlwaysKeep = 32735;
constexpr int32_t kEndlessLifetime = 1000000;
constexpr int32_t kLongestDrawnLifetime = 4096;
// The lifetime table is rebuilt when the keep threshold moves this far.
constexpr int64_t kLifetimeRebuildDistance = 32;

// Velocity shapes 1-10: points on n latitudes or meridians, n per type.
constexpr int kLastShape = 13;
constexpr int kShapeDivisions[] = {0, 8, 12, 16, 24, 32, 4, 6, 10, 16, 24};
constexpr int kLastGridShape = 5;
constexpr int kLastRingShape = 10;
enum DiscShape { kDiscXZ = 11, kDiscYZ = 12, kDiscMixed = 13 };
constexpr int32_t kMixedDiscXZBelow = 10922;

void StoreFrame(const CorvaneStarArrayFrame& frame, PlotterState& plotter) {
    Emission& emission = plotter.emission;
    emission = EmissionOf(frame, frame.splinePointCount, frame.splineSegments);
    // Without points or segments nothing is emitted, so these stay unused.
    if (emission.pointCount > 0 && emission.segments > 0) {
        plotter.invPointCount = 1.0 / emission.pointCount;
        plotter.segmentScale = emission.segments * kRandomScale;
        plotter.segmentToPoint = static_cast<double>(emission.pointCount) / emission.segments;
    }
}

int32_t DrawnLifetime(int32_t keepThreshold) {
    if (keepThreshold >= kAlwaysKeep) {
        return kEndlessLifetime;
    }
    if (keepThreshold >= kNearlyAlwaysKeep) {
        return (NextRandomInt() & 4095) + 1024;
    }
    if (keepThreshold == 0) {
        return 1;
    }
    int32_t draws = 0;
    int32_t draw = 0;
    do {
        ++draws;
        draw = NextRandomInt();
    } while (draw < keepThreshold && draws < kLongestDrawnLifetime);
    return draws;
}

void UpdateLifetimes(PlotterState& plotter) {
    const int32_t keep = plotter.emission.keepThreshold;
    if (std::llabs(int64_t{keep} - plotter.lifetimeKeep) < kLifetimeRebuildDistance) {
        return;
    }
    plotter.lifetimeKeep = keep;
    for (int32_t& lifetime : plotter.lifetimes) {
        lifetime = DrawnLifetime(keep);
    }
}

// In-segment positions: (1 - (k / 2048)^exp) / 2 on alternating sides of the
// segment's middle, so large exponents cluster new stars near the middle.
void BuildBiasTable(PlotterState& plotter) {
    const double exponent = plotter.emission.biasExp;
    for (int k = 0; k < kBiasCount; ++k) {
        const double w = std::pow(k / double{kBiasCount}, exponent);
        const double side = k % 2 == 0 ? -1.0 : 1.0;
        plotter.biasTable[k] = static_cast<float>((1 - w) * 0.5 * side + 0.5);
    }
}

// A point on a sphere of radius r at height y, at angle a around the y axis.
void PointAtHeight(Vector3& point, double r, double y, double angle) {
    point.y = static_cast<float>(y);
    const double rho = std::sqrt(r * r - double{point.y} * point.y);
    point.x = static_cast<float>(rho * std::cos(angle));
    point.z = static_cast<float>(rho * std::sin(angle));
}

// Index 0..n - 1 from a 15-bit draw.
int Division(int32_t draw, int n) { return draw * n / 32768; }

// A velocity in one of the shapes: a sphere, latitude-longitude grids,
// rings and meridians, or discs. Shapes outside 0..13 leave it unchanged.
void RandomPointByShape(Vector3& point, float radius, int shape, float emitSpeed) {
    const double r = radius;
    if (shape == 0) {
        const double y = r * PeekRandomInt() / 16384.0 - r;
        PointAtHeight(point, r, y, PeekRandomInt() * kAngleStep);
    } else if (shape > 0 && shape <= kLastRingShape) {
        const int n = kShapeDivisions[shape];
        const double step = kTwoPi / n;
        const auto latitude = [&] { return r * std::sin(step * Division(NextRandomInt(), n) + std::numbers::pi / 2); };
        if (shape <= kLastGridShape) {
            const double y = latitude();
            PointAtHeight(point, r, y, step * Division(NextRandomInt(), n));
        } else if (NextRandomInt() < kHalfRand) {
            const double y = latitude();
            PointAtHeight(point, r, y, PeekRandomInt() * kAngleStep);
        } else {
            // A meridian spans the emission speed, the radius the caller gives.
            const double e = emitSpeed;
            const double y = NextRandomInt() * e / 16384.0 - e;
            PointAtHeight(point, r, y, step * Division(NextRandomInt(), n));
        }
    } else if (shape > kLastRingShape && shape <= kLastShape) {
        const double rho = r * PeekRandomInt() * kRandomScale;
        const double theta = PeekRandomInt() * kAngleStep;
        const auto f = static_cast<float>(rho * std::cos(theta));
        const auto g = static_cast<float>(rho * std::sin(theta));
        bool inXZ = shape == kDiscXZ;
        if (shape == kDiscMixed) {
            inXZ = PeekRandomInt() < kMixedDiscXZBelow;
        }
        if (inXZ) {
            point = {f, 0, g};
        } else if (shape == kDiscMixed && PeekRandomInt() > kHalfRand - 1) {
            point = {f, g, 0};
        } else {
            point = {0, f, g};
        }
    }
}

// Re-births a star on the spline path; the path position (0..1) it got, or
// nothing when there is no path to emit from.
std::optional<double> GenerateStarArrayStar(const PlotterState& plotter, CorvaneStar& star, int shape,
                                            int32_t advance) {
    const Emission& emission = plotter.emission;
    if (emission.pointCount <= 0 || emission.segments <= 0) {
        return std::nullopt;
    }
    const auto segment = static_cast<int32_t>(NextRandomInt() * plotter.segmentScale);
    const double bias = plotter.biasTable[NextRandomInt() >> 4];
    const auto wrapped =
        WrapSplinePosition((segment + bias) * plotter.segmentToPoint + emission.phase, emission.pointCount);
    if (!wrapped) {
        return std::nullopt;
    }
    const Vector3 position = CubicBSplinePoint(emission, *wrapped);
    Vector3 velocity{star.vx, star.vy, star.vz};
    RandomPointByShape(velocity, emission.emitSpeed, shape, emission.emitSpeed);
    ApplyExpansion(emission, position, velocity);
    star.x = position.x;
    star.y = position.y;
    star.z = position.z;
    star.vx = velocity.x;
    star.vy = velocity.y;
    star.vz = velocity.z;
    if (advance > 0) {
        star.x = static_cast<float>(star.x + static_cast<double>(advance) * star.vx);
        star.y = static_cast<float>(star.y + static_cast<double>(advance) * star.vy);
        star.z = static_cast<float>(star.z + static_cast<double>(advance) * star.vz);
    }
    return (wrapped->first + wrapped->t) * plotter.invPointCount;
}

void MoveStarArray(int32_t count, CorvaneStar* stars, double cameraSpeedZ, double accelY) {
    for (int32_t i = 0; i < count; ++i) {
        CorvaneStar& star = stars[i];
        star.vy = static_cast<float>(star.vy + accelY);
        star.x = static_cast<float>(star.x + double{star.vx});
        star.y = static_cast<float>(star.y + double{star.vy});
        star.z = static_cast<float>(star.z + (double{star.vz} - cameraSpeedZ));
    }
}

void RecreateStar(const CorvaneStarArrayFrame& frame, PlotterState& plotter, int32_t i) {
    frame.framesLeft[i] = plotter.lifetimes[plotter.lifeIndex];
    plotter.lifeIndex = (plotter.lifeIndex + 1) & (kLifetimeCount - 1);
    CorvaneStar& star = frame.stars[i];
    const int32_t draw = NextRandomInt();
    double hue = 0;
    if (draw < plotter.emission.splineThreshold) {
        const auto position = GenerateStarArrayStar(plotter, star, frame.shapeType, frame.advance);
        if (!position) {
            return;
        }
        hue = std::sin(*position * kTwoPi) * frame.hueSpread * 0.5;
    } else {
        const double spread = plotter.emission.spreadScale;
        star.x = static_cast<float>((draw - kHalfRand) * spread);
        star.y = static_cast<float>((NextRandomInt() - kHalfRand) * spread);
        star.z = 1;
        star.vx = star.vy = star.vz = 0;
        hue = (NextRandomFloat() - 0.5) * frame.hueSpread;
    }
    if (const auto index = Truncate(hue + frame.hueOffset)) {
        frame.colour[i] = TableColour(frame.colourTable, *index);
    }
}

void ProjectStar(const CorvaneStarArrayFrame& frame, int32_t i) {
    const CorvaneStar& star = frame.stars[i];
    const double z = star.z;
    if (!(z > 0)) {
        return;
    }
    const auto x = Truncate((star.x / z + 1) * frame.centreX);
    if (!x || *x < 1 || *x >= frame.xLimit) {
        return;
    }
    const auto y = Truncate((star.y / z + 1) * frame.centreY);
    if (y && *y > frame.minY && *y < frame.maxY) {
        frame.pixelBuffer[int64_t{*y} * frame.pitch + *x] = frame.colour[i];
    }
}

void ApplyGravWellsToArray(int32_t wellCount, int32_t count, CorvaneStar* stars, const CorvaneWell* wells) {
    for (int32_t i = 0; i < count; ++i) {
        CorvaneStar& star = stars[i];
        for (int32_t j = 0; j < wellCount; ++j) {
            const double dx = double{wells[j].x} - star.x;
            const double dy = double{wells[j].y} - star.y;
            const double dz = double{wells[j].z} - star.z;
            const double f = WellPull(wells[j].strength, dz * dz + dy * dy + dx * dx);
            star.vx = static_cast<float>(star.vx + dx * f);
            star.vy = static_cast<float>(star.vy + dy * f);
            star.vz = static_cast<float>(star.vz + dz * f);
        }
        star.x = static_cast<float>(star.x + double{star.vx});
        star.y = static_cast<float>(star.y + double{star.vy});
        star.z = static_cast<float>(star.z + double{star.vz});
    }
}

enum ArrayColourMode { kByDistance = 0, kBySpeed = 1, kBySpeedLessRecession = 2 };

// The colour value of a star: distance, speed, or how much farther from the
// origin it moved in its last step.
double ColourValue(const CorvaneStar& star, int32_t mode) {
    const double x = star.x, y = star.y, z = star.z;
    const double vx = star.vx, vy = star.vy, vz = star.vz;
    const double distance = std::sqrt(x * x + y * y + z * z);
    const double speed = std::sqrt(vx * vx + vy * vy + vz * vz);
    const double before = std::sqrt((x - vx) * (x - vx) + (y - vy) * (y - vy) + (z - vz) * (z - vz));
    switch (mode) {
    case kByDistance: return distance / 64;
    case kBySpeed: return speed;
    case kBySpeedLessRecession: return speed - (distance - before);
    default: return distance - before;
    }
}

}  // namespace
}  // namespace orbweave::corvane

using namespace orbweave::corvane;

extern "C" {

int32_t SetPlotCycleStarArray(CorvaneStarArrayFrame frame) {
    PlotterState& plotter = Plotter();
    StoreFrame(frame, plotter);
    UpdateLifetimes(plotter);
    if (frame.keepBiasTable == 0) {
        BuildBiasTable(plotter);
    }
    MoveStarArray(frame.starCount, frame.stars, frame.cameraSpeedZ, frame.accelY);
    for (int32_t i = 0; i < frame.starCount; ++i) {
        if (frame.framesLeft[i] <= 0) {
            RecreateStar(frame, plotter, i);
        } else {
            --frame.framesLeft[i];
            ProjectStar(frame, i);
        }
    }
    return 0;
}

int32_t SetPlotGravWellsArray(int32_t wellCount, int32_t colourMode, int32_t dualPlot, float focal, float secondOffsetX,
                              int32_t secondHueOffset, int32_t centreX, int32_t centreY, int32_t /*ignored*/,
                              int32_t xLimit, int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                              uint32_t* pixelBuffer, int32_t count, CorvaneStar* stars, const CorvaneWell* wells,
                              int32_t colourScale, int32_t colourOffset) {
    ApplyGravWellsToArray(wellCount, count, stars, wells);
    const auto plot = [&](int32_t x, int32_t y, double index) {
        if (const auto whole = Truncate(index)) {
            pixelBuffer[int64_t{y} * pitch + x] = TableColour(colourTable, *whole);
        }
    };
    for (int32_t i = 0; i < count; ++i) {
        const CorvaneStar& star = stars[i];
        const double z = star.z;
        if (!(z > 0)) {
            continue;
        }
        const double s = focal / z;
        const auto x = Truncate(s * star.x + centreX);
        const auto y = Truncate(s * star.y + centreY);
        if (!x || !y || *x < 1 || *x >= xLimit || *y <= minY || *y >= maxY) {
            continue;
        }
        const double value = colourScale * ColourValue(star, colourMode);
        plot(*x, *y, value + colourOffset);
        if (dualPlot == 0) {
            continue;
        }
        const auto x2 = Truncate((star.x - double{secondOffsetX}) * s + centreX);
        if (x2 && *x2 >= 1 && *x2 < xLimit) {
            plot(*x2, *y, static_cast<double>(secondHueOffset) + colourOffset + static_cast<float>(value));
        }
    }
    return 0;
}

}  // extern "C"
