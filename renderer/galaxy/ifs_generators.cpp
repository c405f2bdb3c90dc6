#include "renderer/galaxy/ifs_generators.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kTinyRadius = 0.000000001;

// Figure vertices in use: at least one, at most the figure's ten.
int FigureVertices(const UniGalaxy& t) { return std::clamp<int>(t.Run_FigureIndex, 1, kFigurePointCount); }

int RandomVertex(int vertices) { return std::min(static_cast<int>(RandomFraction() * vertices), vertices - 1); }

// Style 1: a random disc point every Galaxy_RadSegs steps; in between each
// step shrinks the point towards the core and turns it about the axis.
void StepAttractor(float& px, float& py, float& pz, std::int16_t& stepCount, const UniGalaxy& t) {
    if (stepCount == 0) {
        const float r = Single(std::pow(RandomFraction(), t.Galaxy_RadiusExp) * t.Run_Radius + kTinyRadius);
        const float h = GetProfileHeight(t.Galaxy_Profile, r, t.Run_Radius, t.Run_RadiusSq);
        py = Single(std::pow(RandomFraction(), t.Galaxy_HeightExp) * t.Galaxy_GHW_Ratio * h);
        const double a = RandomFraction() * kTwoPi;
        px = Single(r * Cos(a));
        pz = Single(r * Sin(a));
    } else {
        const float x = Single(static_cast<double>(px) * t.Run_RadFill);
        py = Single(static_cast<double>(py) * t.Run_RadFill);
        const float z = Single(static_cast<double>(pz) * t.Run_RadFill);
        px = Single(static_cast<double>(x) * t.Run_BandCos - static_cast<double>(z) * t.Run_BandSin);
        pz = Single(static_cast<double>(x) * t.Run_BandSin + static_cast<double>(z) * t.Run_BandCos);
    }
    // A record the dialog wrote unvalidated may hold no steps: count one.
    const std::int32_t period = std::max<std::int16_t>(t.Galaxy_RadSegs, 1);
    stepCount = static_cast<std::int16_t>((stepCount + 1) % period);
}

// Style 2: a short chaos game from a random vertex; the star lies on the
// segment between its last two points, traced out to twice its length.
void StepWireframe(float& px, float& py, float& pz, const FigurePoints& figure, const UniGalaxy& t) {
    const int vertices = FigureVertices(t);
    int v = RandomVertex(vertices);
    float qx = figure.X[v], qy = figure.Y[v], qz = figure.Z[v];
    float q0x = 0, q0y = 0, q0z = 0;
    for (int level = 0; level < t.Galaxy_RadBands; ++level) {
        q0x = qx, q0y = qy, q0z = qz;
        v = RandomVertex(vertices);
        qx = Single(qx + (static_cast<double>(figure.X[v]) - qx) * t.Run_RadFill);
        qy = Single(qy + (static_cast<double>(figure.Y[v]) - qy) * t.Run_RadFill);
        qz = Single(qz + (static_cast<double>(figure.Z[v]) - qz) * t.Run_RadFill);
    }
    const double f2 = 2.0 * RandomFraction();
    px = Single(q0x + f2 * (static_cast<double>(qx) - q0x));
    py = Single(q0y + f2 * (static_cast<double>(qy) - q0y));
    pz = Single(q0z + f2 * (static_cast<double>(qz) - q0z));
}

// Styles 3 and 8 with transforms: move towards a transform point picked by
// weight, then turn about it. Weights are summed in 32 bits.
void StepTransforms(float& px, float& py, float& pz, const UniGalaxy& t) {
    const IfsBlock& ifs = t.Ifs;
    const int m = std::clamp<int>(ifs.Galaxy_IFS_Points, 0, kIfsPointCapacity);
    const std::int32_t total = ifs.Run_IfsCumPct[m - 1];
    const double c = std::floor(RandomFraction() * total);
    int j = 0;
    while (j < m && !(c < ifs.Run_IfsCumPct[j])) ++j;
    if (j == m) return;  // every weight 0: the chain stays

    const double ox = ifs.Run_IfsOffX[j], oy = ifs.Run_IfsOffY[j], oz = ifs.Run_IfsOffZ[j];
    px = Single(px + (ox - px) * ifs.Run_IfsScale[j]);
    py = Single(py + (oy - py) * ifs.Run_IfsScale[j]);
    pz = Single(pz + (oz - pz) * ifs.Run_IfsScale[j]);
    if (ifs.IFS_Angle[j] <= 0) return;

    double dx = px - ox, dy = py - oy, dz = pz - oz;
    const double cs = ifs.Run_IfsCos[j], sn = ifs.Run_IfsSin[j];
    auto turn = [&](double& a, double& b) {
        const double a0 = a;
        a = a0 * cs - b * sn;
        b = a0 * sn + b * cs;
    };
    switch (ifs.IFS_Axis[j]) {
    case 0: turn(dy, dz); break;
    case 1: turn(dx, dz); break;
    case 2: turn(dx, dy); break;
    default: break;
    }
    px = Single(dx + ox);
    py = Single(dy + oy);
    pz = Single(dz + oz);
}

// Styles 3 and 8 without transforms: move towards a random figure vertex.
void StepFigure(float& px, float& py, float& pz, const FigurePoints& figure, const UniGalaxy& t) {
    const int v = RandomVertex(FigureVertices(t));
    px = Single(px + (static_cast<double>(figure.X[v]) - px) * t.Run_RadFill);
    py = Single(py + (static_cast<double>(figure.Y[v]) - py) * t.Run_RadFill);
    pz = Single(pz + (static_cast<double>(figure.Z[v]) - pz) * t.Run_RadFill);
}

}  // namespace

void IterateIfsPoint(const RunContext& run, float& px, float& py, float& pz, const FigurePoints& figure,
                     std::int16_t& stepCount, std::int16_t galType) {
    if (!IsGalaxyType(galType)) return;
    const UniGalaxy& t = run.types[galType];
    switch (t.Galaxy_GalStyle) {
    case kStyleAttractor: StepAttractor(px, py, pz, stepCount, t); break;
    case kStyleWireframe: StepWireframe(px, py, pz, figure, t); break;
    case kStyleFractal:
    case kStyleUserIfs:
        if (t.Ifs.Galaxy_IFS_Points > 0) {
            StepTransforms(px, py, pz, t);
        } else {
            StepFigure(px, py, pz, figure, t);
        }
        break;
    default: break;
    }
}

void GenerateIfsStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin, float& omega,
                     std::int16_t galType, std::int16_t galIndex, GalaxyPathTables& paths) {
    if (!IsGalaxyType(galType) || galIndex < 0 || galIndex >= paths.Count()) return;
    float& px = paths.IfsPointX[galIndex];
    float& py = paths.IfsPointY[galIndex];
    float& pz = paths.IfsPointZ[galIndex];
    IterateIfsPoint(run, px, py, pz, paths.Figure[galIndex], paths.IfsStepCount[galIndex], galType);

    const UniGalaxy& t = run.types[galType];
    // These stars turn at eight times the rotation step.
    rotCos = t.Run_RotCos8;
    rotSin = t.Run_RotSin8;
    omega = t.Run_RotStep8;
    const double c = t.Run_ArmCos, s = t.Run_ArmSin;
    x = Single(px * c - pz * s);
    z = Single(pz * c + px * s);
    y = py;
}

void GenerateUniverseIfsStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType,
                             StartCloudPaths& cloud, GalaxyPathTables& paths) {
    std::int16_t& stepCount = paths.Count() > 0 ? paths.IfsStepCount[0] : cloud.SpareStepCount;
    IterateIfsPoint(run, cloud.UniIfsPointX, cloud.UniIfsPointY, cloud.UniIfsPointZ, cloud.UniFigure, stepCount,
                    galType);
    x = cloud.UniIfsPointX;
    y = cloud.UniIfsPointY;
    z = cloud.UniIfsPointZ;
}

}  // namespace orbweave
