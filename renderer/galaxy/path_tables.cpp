#include "renderer/galaxy/path_tables.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/splines.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLargestRibbon = 20;
constexpr double kTinyRadius = 0.000000001;

std::int16_t RibbonPoints(const UniGalaxy& t) {
    return std::clamp<std::int16_t>(t.Galaxy_CP_Points, 1, kLargestRibbon);
}

void ResetTypeAngles(UniGalaxy& t) {
    const int levels = t.Galaxy_StdLevels < 1 ? 0 : UsableLevels(t.Galaxy_StdLevels);
    for (int l = 0; l < levels; ++l) {
        t.Run_LevelAngle[l] = -t.Run_LevelTilt[l];
        t.Run_LevelCos[l] = Single(Cos(t.Run_LevelAngle[l]));
        t.Run_LevelSin[l] = Single(Sin(t.Run_LevelAngle[l]));
    }
    t.Run_ArmAngle = 0;
    t.Run_HuePhase = t.Galaxy_HueStart;
    t.Run_TiltAngle = 0;
    t.Run_ArmCos = 1;
    t.Run_ArmSin = 0;
    t.Galaxy_CP_Points = RibbonPoints(t);
    t.Run_FigureIndex = std::clamp<std::int16_t>(t.Galaxy_RadSegs, 1, kFigurePointCount);
}

// A key position in the box of ±R, its height scaled by H.
void RandomKey(float& x, float& y, float& z, const UniGalaxy& t) {
    const double across = 2.0 * t.Run_Radius;
    x = Single(across * (RandomFraction() - 0.5));
    y = Single(across * (RandomFraction() - 0.5) * t.Galaxy_GHW_Ratio);
    z = Single(across * (RandomFraction() - 0.5));
}

// The control points of galaxy g's ribbon at the phase t; a closed ribbon
// repeats its first three points after its last.
void PlaceControlPoints(GalaxyPathTables& paths, std::int16_t g, const UniGalaxy& type, float phase) {
    const int points = RibbonPoints(type);
    for (int p = 0; p < points + 3; ++p) {
        if (type.Galaxy_CP_Close == 0 || p < points) {
            SplineControlPoint(paths.NebulaCtrlX[g][p], paths.NebulaCtrlY[g][p], paths.NebulaCtrlZ[g][p], phase, g,
                               static_cast<std::int16_t>(p), paths.NebulaKeyX, paths.NebulaKeyY, paths.NebulaKeyZ);
        } else {
            paths.NebulaCtrlX[g][p] = paths.NebulaCtrlX[g][p - points];
            paths.NebulaCtrlY[g][p] = paths.NebulaCtrlY[g][p - points];
            paths.NebulaCtrlZ[g][p] = paths.NebulaCtrlZ[g][p - points];
        }
    }
}

// The members of a composite into galaxy g, the major type last so that its
// tables stay. A composite without members stands for type 0, as does a
// member outside the galaxy types.
void InitCompositePaths(const RunContext& run, GalaxyPathTables& paths, int composite, std::int16_t g) {
    if (!IsCompGalaxy(composite)) return;
    const CompGalaxy& comp = CompGalaxies[static_cast<std::size_t>(composite)];
    const int members = std::clamp<int>(comp.CompGal_Count, 0, kCompMemberCapacity);
    if (members == 0) {
        InitGalaxyTypePath(run, paths, 0, g);
        return;
    }
    for (int j = members - 1; j >= 0; --j) {
        const std::int16_t member = comp.CompGal_Type[static_cast<std::size_t>(j)];
        InitGalaxyTypePath(run, paths, IsGalaxyType(member) ? member : 0, g);
    }
}

void InitSlotPaths(const RunContext& run, GalaxyPathTables& paths, std::int16_t slot, std::int16_t g) {
    if (IsGalaxyType(slot)) {
        InitGalaxyTypePath(run, paths, slot, g);
    } else if (IsUniGalaxySlot(slot)) {
        InitCompositePaths(run, paths, slot - kGalaxyTypeCount, g);
    } else {
        InitGalaxyTypePath(run, paths, 0, g);
    }
}

void SetFigure(FigurePoints& figure, int i, double x, double y, double z) {
    figure.X[i] = Single(x);
    figure.Y[i] = Single(y);
    figure.Z[i] = Single(z);
}

// Style 1: the chain's seed, a random point of the type's disc.
void BuildSeedPoint(FigurePoints& figure, const UniGalaxy& t) {
    const float rho = Single(std::pow(RandomFraction(), t.Galaxy_RadiusExp) * t.Run_Radius + kTinyRadius);
    const float h = GetProfileHeight(t.Galaxy_Profile, rho, t.Run_Radius, t.Run_RadiusSq);
    const double y = std::pow(RandomFraction(), t.Galaxy_HeightExp) * t.Galaxy_GHW_Ratio * h;
    const double theta = RandomFraction() * kTwoPi;
    SetFigure(figure, 0, rho * Cos(theta), y, rho * Sin(theta));
}

void BuildFigure(FigurePoints& figure, const UniGalaxy& t) {
    const int f = std::clamp<int>(t.Run_FigureIndex, 1, kFigurePointCount);
    const double r = t.Run_Radius;
    const double rh = r * t.Galaxy_GHW_Ratio;
    for (int i = 0; i < f; ++i) SetFigure(figure, i, 0, 0, 0);
    switch (f) {
    case 1: break;  // the origin
    case 2:
    case 3:
    case 4:
    case 5: {
        // An apex below and a regular base polygon above.
        SetFigure(figure, 0, 0, -rh, 0);
        const double step = kTwoPi / (f - 1);
        for (int i = 1; i < f; ++i) {
            const double theta = (i - 1) * step;
            SetFigure(figure, i, r * Cos(theta), rh * 0.5, r * Sin(theta));
        }
        break;
    }
    case 6:
    case 7:  // an octahedron, the seventh point at its centre
        SetFigure(figure, 0, 0, rh, 0);
        SetFigure(figure, 1, 0, -rh, 0);
        SetFigure(figure, 2, -r, 0, 0);
        SetFigure(figure, 3, r, 0, 0);
        SetFigure(figure, 4, 0, 0, -r);
        SetFigure(figure, 5, 0, 0, r);
        break;
    case 8:  // a cube
        SetFigure(figure, 0, r, -rh, r);
        SetFigure(figure, 1, r, -rh, -r);
        SetFigure(figure, 2, -r, -rh, r);
        SetFigure(figure, 3, -r, -rh, -r);
        SetFigure(figure, 4, r, rh, r);
        SetFigure(figure, 5, r, rh, -r);
        SetFigure(figure, 6, -r, rh, r);
        SetFigure(figure, 7, -r, rh, -r);
        break;
    case 9:  // a triangular prism with three points around its middle
        SetFigure(figure, 0, -0.6 * r, rh, -0.36 * r);
        SetFigure(figure, 1, 0.6 * r, rh, -0.36 * r);
        SetFigure(figure, 2, 0, rh, 0.72 * r);
        SetFigure(figure, 3, -0.6 * r, -rh, -0.36 * r);
        SetFigure(figure, 4, 0.6 * r, -rh, -0.36 * r);
        SetFigure(figure, 5, 0, -rh, 0.72 * r);
        SetFigure(figure, 6, -1.25 * r, 0, 0.75 * r);
        SetFigure(figure, 7, 1.25 * r, 0, 0.75 * r);
        SetFigure(figure, 8, 0, 0, -1.5 * r);
        break;
    default:  // ten points: apex, four low corners, four high edge points, top
        SetFigure(figure, 0, 0, -rh, 0);
        SetFigure(figure, 1, r, -0.5 * rh, r);
        SetFigure(figure, 2, r, -0.5 * rh, -r);
        SetFigure(figure, 3, -r, -0.5 * rh, r);
        SetFigure(figure, 4, -r, -0.5 * rh, -r);
        SetFigure(figure, 5, r, 0.5 * rh, 0);
        SetFigure(figure, 6, -r, 0.5 * rh, 0);
        SetFigure(figure, 7, 0, 0.5 * rh, r);
        SetFigure(figure, 8, 0, 0.5 * rh, -r);
        SetFigure(figure, 9, 0, rh, 0);
        break;
    }
}

void ShiftKeys(NebulaKeys& keys, int p) {
    for (int k = 0; k + 1 < kNebulaKeyCount; ++k) keys[p][k] = keys[p][k + 1];
}

void TurnKeys(GalaxyPathTables& paths, std::int16_t g, const UniGalaxy& t, int points) {
    const double c = t.Run_RotCos, s = t.Run_RotSin;
    // About the Y axis in the X-Z plane, or about the X axis.
    NebulaKeys& first = t.Galaxy_AxisPlane == 0 ? paths.NebulaKeyX[g] : paths.NebulaKeyY[g];
    NebulaKeys& second = paths.NebulaKeyZ[g];
    for (int p = 0; p < points + 3; ++p) {
        for (int k = 0; k < kNebulaKeyCount; ++k) {
            const double a = first[p][k], b = second[p][k];
            first[p][k] = Single(c * a - s * b);
            second[p][k] = Single(s * a + c * b);
        }
    }
}

}  // namespace

void InitGalaxyTypeTables(const RunContext& run, GalaxyPathTables& paths, std::int16_t count, std::int16_t type,
                          std::int16_t composite, std::span<const std::int16_t> types) {
    paths.Allocate(count);
    for (int t = 0; t < kGalaxyTypeCount; ++t) ResetTypeAngles(run.types[static_cast<std::size_t>(t)]);

    if (composite >= 0) {
        InitCompositePaths(run, paths, composite, 0);
        return;
    }
    for (std::int16_t g = 0; g < paths.Count(); ++g) {
        if (type >= 0) {
            InitGalaxyTypePath(run, paths, type, g);
        } else {
            const bool listed = static_cast<std::size_t>(g) < types.size();
            InitSlotPaths(run, paths, listed ? types[static_cast<std::size_t>(g)] : std::int16_t{0}, g);
        }
    }
}

void InitGalaxyTypePath(const RunContext& run, GalaxyPathTables& paths, std::int16_t type, std::int16_t g) {
    if (!IsGalaxyType(type) || g < 0 || g >= paths.Count()) return;
    const UniGalaxy& t = run.types[type];
    switch (t.Galaxy_GalStyle) {
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs: {
        FigurePoints& figure = paths.Figure[g];
        BuildPathControlPoints(run, figure, type);
        // The chain starts from the first figure point.
        paths.IfsPointX[g] = figure.X[0];
        paths.IfsPointY[g] = figure.Y[0];
        paths.IfsPointZ[g] = figure.Z[0];
        break;
    }
    case kStyleNebula: {
        // The keys of the three extra points stay at the centre until the
        // wandering appends keys of their own.
        const int points = RibbonPoints(t);
        for (int p = 0; p < points; ++p) {
            for (int k = 0; k < kNebulaKeyCount; ++k) {
                RandomKey(paths.NebulaKeyX[g][p][k], paths.NebulaKeyY[g][p][k], paths.NebulaKeyZ[g][p][k], t);
            }
        }
        PlaceControlPoints(paths, g, t, 0.0f);
        break;
    }
    default: break;
    }
}

void BuildPathControlPoints(const RunContext& run, FigurePoints& figure, std::int16_t type) {
    if (!IsGalaxyType(type)) return;
    const UniGalaxy& t = run.types[type];
    if (t.Galaxy_GalStyle == kStyleAttractor) {
        BuildSeedPoint(figure, t);
    } else {
        BuildFigure(figure, t);
    }
}

void AdvanceNebulaPaths(const RunContext& run, GalaxyPathTables& paths, std::int16_t count, std::int16_t type,
                        std::span<const std::int16_t> types) {
    const std::int16_t galaxies = static_cast<std::int16_t>(std::min<std::int32_t>(count, paths.Count()));
    for (std::int16_t g = 0; g < galaxies; ++g) {
        const std::int16_t shown = type >= 0 ? type : ResolveGalaxyType(types, g);
        if (!IsGalaxyType(shown)) continue;
        const UniGalaxy& t = run.types[shown];
        if (t.Galaxy_GalStyle != kStyleNebula) continue;
        const int points = RibbonPoints(t);

        float& phase = paths.NebulaPhase[g];
        if (t.Galaxy_CP_Steps > 0) phase = Single(phase + 1.0 / t.Galaxy_CP_Steps);
        if (phase >= 1.0f) {
            phase = Single(phase - 1.0);
            for (int p = 0; p < points + 3; ++p) {
                ShiftKeys(paths.NebulaKeyX[g], p);
                ShiftKeys(paths.NebulaKeyY[g], p);
                ShiftKeys(paths.NebulaKeyZ[g], p);
                const int last = kNebulaKeyCount - 1;
                RandomKey(paths.NebulaKeyX[g][p][last], paths.NebulaKeyY[g][p][last], paths.NebulaKeyZ[g][p][last], t);
            }
        }
        TurnKeys(paths, g, t, points);
        PlaceControlPoints(paths, g, t, phase);
    }
}

}  // namespace orbweave
