// The gravity-well plotter: particles in parallel arrays are accelerated by
// a set of point masses and coloured by distance, speed or change of speed.
#include <cmath>

#include "corvane/corvane.h"
#include "corvane/gravity.h"
#include "corvane/plotter.h"

namespace orbweave::corvane {
namespace {

enum WellColourMode : int16_t { kByDistance = 0, kBySpeed = 1 };

struct WellArrays {
    float* x;
    float* y;
    float* z;
    float* vx;
    float* vy;
    float* vz;
    float* prevSpeed;
    const float* wellX;
    const float* wellY;
    const float* wellZ;
    const float* wellStrength;
};

void PullAndMove(const WellArrays& a, int16_t wellCount, int32_t i) {
    for (int32_t j = 0; j < wellCount; ++j) {
        const double dx = double{a.wellX[j]} - a.x[i];
        const double dy = double{a.wellY[j]} - a.y[i];
        const double dz = double{a.wellZ[j]} - a.z[i];
        const double f = WellPull(a.wellStrength[j], dx * dx + dy * dy + dz * dz);
        a.vx[i] = static_cast<float>(a.vx[i] + dx * f);
        a.vy[i] = static_cast<float>(a.vy[i] + dy * f);
        a.vz[i] = static_cast<float>(a.vz[i] + dz * f);
    }
    a.x[i] = static_cast<float>(a.x[i] + double{a.vx[i]});
    a.y[i] = static_cast<float>(a.y[i] + double{a.vy[i]});
    a.z[i] = static_cast<float>(a.z[i] + double{a.vz[i]});
}

// The colour value of particle i; the third mode also records its speed.
double Brightness(const WellArrays& a, int16_t mode, int32_t i) {
    const double x = a.x[i], y = a.y[i], z = a.z[i];
    if (mode == kByDistance) {
        return std::sqrt(x * x + y * y + z * z) * 0.01;
    }
    const double vx = a.vx[i], vy = a.vy[i], vz = a.vz[i];
    const double speed = std::sqrt(vx * vx + vy * vy + vz * vz);
    if (mode == kBySpeed) {
        return speed;
    }
    const double change = std::fabs(speed - a.prevSpeed[i]) * 20;
    a.prevSpeed[i] = static_cast<float>(speed);
    return change;
}

void PlotParticle(const PlotterState& plotter, const WellArrays& a, int32_t i, int32_t colourScale,
                  int16_t colourOffset) {
    const PlotGeometry& geometry = plotter.geometry;
    const double z = a.z[i];
    if (!(z > 0)) {
        return;
    }
    const double s = plotter.wellFocal / z;
    const auto x = Truncate(s * a.x[i] + geometry.centreX);
    const auto y = Truncate(s * a.y[i] + geometry.centreY);
    if (!x || !y || *x <= 0 || *x >= geometry.xLimit || *y <= geometry.minY || *y >= geometry.maxY) {
        return;
    }
    double c = colourScale * Brightness(a, plotter.wellColourMode, i);
    if (plotter.wellDualPlot != 0) {
        c = static_cast<float>(c);
    }
    if (const auto index = Truncate(colourOffset + c)) {
        PlotPixelClipped(geometry, *x, *y, TableColour(geometry.colourTable, *index));
    }
    if (plotter.wellDualPlot == 0) {
        return;
    }
    const auto x2 = Truncate(s * (a.x[i] - double{plotter.wellSecondOffsetX}) + geometry.centreX);
    const auto index = Truncate(c + colourOffset + plotter.wellSecondHueOffset);
    if (x2 && index) {
        PlotPixelClipped(geometry, *x2, *y, TableColour(geometry.colourTable, *index));
    }
}

}  // namespace
}  // namespace orbweave::corvane

using namespace orbweave::corvane;

extern "C" {

int32_t SetGlobalGravWells(int32_t wellCount, int32_t colourMode, int32_t dualPlot, float focal, float secondOffsetX,
                           int32_t secondHueOffset, int32_t centreX, int32_t centreY, int32_t /*ignored*/,
                           int32_t xLimit, int32_t pitch, int32_t minY, int32_t maxY, const uint32_t* colourTable,
                           uint32_t* pixelBuffer) {
    PlotterState& plotter = Plotter();
    plotter.wellCount = static_cast<int16_t>(wellCount);
    plotter.wellColourMode = static_cast<int16_t>(colourMode);
    plotter.wellDualPlot = static_cast<int16_t>(dualPlot);
    plotter.wellFocal = focal;
    plotter.wellSecondOffsetX = secondOffsetX;
    plotter.wellSecondHueOffset = static_cast<int16_t>(secondHueOffset);
    plotter.geometry = MakePlotGeometry(colourTable, pixelBuffer, centreX, centreY, xLimit, pitch, minY, maxY);
    return 0;
}

int32_t PlotCycleGravWells(int32_t count, float* x, float* y, float* z, float* vx, float* vy, float* vz,
                           float* prevSpeed, const float* wellX, const float* wellY, const float* wellZ,
                           const float* wellStrength, int32_t colourScale, int32_t colourOffset) {
    const PlotterState& plotter = Plotter();
    const WellArrays arrays{x, y, z, vx, vy, vz, prevSpeed, wellX, wellY, wellZ, wellStrength};
    for (int32_t i = 0; i < count; ++i) {
        PullAndMove(arrays, plotter.wellCount, i);
        PlotParticle(plotter, arrays, i, colourScale, static_cast<int16_t>(colourOffset));
    }
    return 0;
}

}  // extern "C"
