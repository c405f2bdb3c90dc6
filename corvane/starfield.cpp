// The starfield plotter: stars emitted along a closed spline path, or
// scattered, fly towards the viewer; a star is re-created when a draw from
// the random table exceeds the keep threshold.
#include <cmath>

#include "corvane/corvane.h"
#include "corvane/plotter.h"
#include "corvane/random.h"

namespace orbweave::corvane {
namespace {

constexpr int32_t kHueCircle = 360;
constexpr int32_t kHalfRand = 16384;

// The starfield's own draw from the random table: its index starts at 1 on
// every frame, runs modulo 16383, and the entry just changed is the draw.
class StarfieldDraw {
public:
    int32_t Next() {
        auto& table = RandomTable();
        const int32_t next = (index_ + 1) % (kRandomTableSize - 1);
        table[index_] ^= table[next];
        const int32_t draw = table[index_];
        index_ = next;
        return draw;
    }

private:
    int32_t index_ = 1;
};

double RandFraction() { return NextRand() * kRandomScale; }

// A point drawn uniformly from the sphere of the given radius.
Vector3 RandomPointOnSphere(float radius) {
    Vector3 point;
    point.y = static_cast<float>(RandFraction() * radius * 2 - radius);
    const auto rho =
        static_cast<float>(std::sqrt(static_cast<double>(radius) * radius - static_cast<double>(point.y) * point.y));
    const double theta = RandFraction() * kTwoPi;
    point.x = static_cast<float>(rho * std::cos(theta));
    point.z = static_cast<float>(rho * std::sin(theta));
    return point;
}

struct NewStar {
    Vector3 position;
    Vector3 velocity;
    double pathPosition;  // fraction of the closed path, 0..1
};

// A new star on the spline path, placed in a random segment with a position
// inside it that clusters towards the middle for large bias exponents.
// Nothing is emitted for a path without points or segments.
std::optional<NewStar> GenerateStarfieldStar(const Emission& emission) {
    if (emission.pointCount <= 0 || emission.segments <= 0) {
        return std::nullopt;
    }
    const double offCentre = 1.0 - std::pow(RandFraction(), static_cast<double>(emission.biasExp));
    const double side = NextRand() < kHalfRand ? -1.0 : 1.0;
    const double inSegment = (side * offCentre + 1.0) * 0.5;
    const auto segment = static_cast<int32_t>(RandFraction() * emission.segments);
    const double position = (segment + inSegment) / emission.segments * emission.pointCount + emission.phase;
    const auto wrapped = WrapSplinePosition(position, emission.pointCount);
    if (!wrapped) {
        return std::nullopt;
    }
    NewStar star;
    star.pathPosition = (wrapped->first + wrapped->t) / emission.pointCount;
    star.position = CubicBSplinePoint(emission, *wrapped);
    star.velocity = RandomPointOnSphere(emission.emitSpeed);
    ApplyExpansion(emission, star.position, star.velocity);
    return star;
}

// Hue of a re-created star as a whole number of degrees, -359..359.
int32_t HueDegrees(double hue, float hueOffset) { return TruncateSaturated(hue + hueOffset + kHueCircle) % kHueCircle; }

// Re-creates star k; false when nothing could be emitted, leaving it as it was.
bool RecreateStar(const CorvaneStarfieldFrame& frame, const PlotterState& plotter, int32_t k, StarfieldDraw& draw) {
    const Emission& emission = plotter.emission;
    Vector3 position{};
    Vector3 velocity{};
    double hue = 0;
    if (draw.Next() < emission.splineThreshold) {
        const auto star = GenerateStarfieldStar(emission);
        if (!star) {
            return false;
        }
        position = star->position;
        velocity = star->velocity;
        hue = std::sin(star->pathPosition * kTwoPi) * frame.hueSpread * 0.5;
    } else {
        position.x = static_cast<float>((NextRand() - kHalfRand) * double{emission.spreadScale});
        position.y = static_cast<float>((NextRand() - kHalfRand) * double{emission.spreadScale});
        position.z = 1;
        hue = (RandFraction() - 0.5) * frame.hueSpread;
    }
    frame.x[k] = position.x;
    frame.y[k] = position.y;
    frame.z[k] = position.z;
    frame.vx[k] = velocity.x;
    frame.vy[k] = velocity.y;
    frame.vz[k] = velocity.z;
    const int32_t degrees = HueDegrees(hue, frame.hueOffset);
    if (plotter.haloHueStep == 0) {
        frame.colour[k] = plotter.geometry.colourTable[degrees < 0 ? degrees + kHueCircle : degrees];
    } else {
        frame.hue[k] = static_cast<int16_t>(degrees);
    }
    return true;
}

void MoveStar(const CorvaneStarfieldFrame& frame, const Emission& emission, int32_t k) {
    frame.vy[k] = static_cast<float>(frame.vy[k] + double{frame.accelY});
    frame.x[k] = static_cast<float>(frame.x[k] + double{frame.vx[k]});
    frame.y[k] = static_cast<float>(frame.y[k] + double{frame.vy[k]});
    frame.z[k] = static_cast<float>(frame.z[k] + (double{frame.vz[k]} - emission.cameraSpeedZ));
}

// The halo around a star's centre pixel: a point is drawn when the star is
// nearer than depthBelow, in the colour of its ring.
struct HaloPoint {
    double depthBelow;
    int ring;
    int dx;
    int dy;
};

constexpr HaloPoint kHalo[] = {
    {0.9, 0, -1, 0},  {0.9, 0, 1, 0},                                    //
    {0.8, 0, 0, -1},  {0.8, 0, 0, 1},                                    //
    {0.7, 1, -2, 0},  {0.7, 1, 2, 0},  {0.7, 1, 0, -2}, {0.7, 1, 0, 2},  //
    {0.4, 2, -4, 0},  {0.4, 2, 4, 0},  {0.4, 2, 0, -4}, {0.4, 2, 0, 4},  //
    {0.2, 3, -2, -2}, {0.2, 3, -2, 2}, {0.2, 3, 2, -2}, {0.2, 3, 2, 2},
};

// Plots a star that grows from one pixel to a 17-pixel figure as it comes
// closer; ring k takes the colour Hue + k * HaloHueStep.
void PlotStarWithHalo(const PlotterState& plotter, int64_t x, int64_t y, double depth, int16_t hue) {
    const PlotGeometry& geometry = plotter.geometry;
    const auto colour = [&](int ring) {
        return TableColour(geometry.colourTable, int64_t{hue} + int64_t{ring} * plotter.haloHueStep);
    };
    PlotPixelClipped(geometry, x, y, colour(0));
    for (const HaloPoint& point : kHalo) {
        if (depth < point.depthBelow) {
            PlotPixelClipped(geometry, x + point.dx, y + point.dy, colour(point.ring));
        }
    }
}

void ProjectStar(const CorvaneStarfieldFrame& frame, const PlotterState& plotter, int32_t k) {
    const double z = frame.z[k];
    if (!(z > 0)) {
        return;
    }
    const PlotGeometry& geometry = plotter.geometry;
    if (plotter.haloHueStep == 0) {
        const auto x = Truncate((frame.x[k] / z + 1) * geometry.centreX);
        if (!x || *x <= 0 || *x >= geometry.xLimit) {
            return;
        }
        if (const auto y = Truncate((frame.y[k] / z + 1) * geometry.centreY)) {
            PlotPixelClipped(geometry, *x, *y, frame.colour[k]);
        }
        return;
    }
    const double centreX = geometry.centreX;
    const double centreY = geometry.centreY;
    const auto y = Truncate(centreY + centreY * frame.y[k] / z);
    const auto x = Truncate(centreX + centreX * frame.x[k] / z);
    if (x && y) {
        PlotStarWithHalo(plotter, *x, *y, z, frame.hue[k]);
    }
}

}  // namespace
}  // namespace orbweave::corvane

using namespace orbweave::corvane;

extern "C" {

int32_t SetGlobalStarfield(int32_t haloHueStep, int32_t centreX, int32_t centreY, int32_t /*ignored*/, int32_t xLimit,
                           int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                           uint32_t* pixelBuffer) {
    PlotterState& plotter = Plotter();
    plotter.haloHueStep = static_cast<int16_t>(haloHueStep);
    plotter.geometry = MakePlotGeometry(colourTable, pixelBuffer, centreX, centreY, xLimit, pitch, minY, maxY);
    FillRandomTable();
    return 0;
}

int32_t PlotCycleStarfield(CorvaneStarfieldFrame frame) {
    PlotterState& plotter = Plotter();
    // The point and segment counts of this record are 16-bit values.
    plotter.emission =
        EmissionOf(frame, static_cast<int16_t>(frame.splinePointCount), static_cast<int16_t>(frame.splineSegments));
    StarfieldDraw draw;
    for (int32_t k = 0; k < frame.starCount; ++k) {
        if (draw.Next() <= plotter.emission.keepThreshold) {
            MoveStar(frame, plotter.emission, k);
        } else if (!RecreateStar(frame, plotter, k, draw)) {
            continue;
        }
        ProjectStar(frame, plotter, k);
    }
    return 0;
}

}  // extern "C"
