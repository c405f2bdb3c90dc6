#include "renderer/galaxy/star_generators.h"

#include <algorithm>
#include <cmath>

#include "core/random.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/ifs_generators.h"
#include "renderer/galaxy/molecule_generators.h"
#include "renderer/galaxy/precision.h"
#include "renderer/galaxy/splines.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr double kTinyRadius = 1e-9;
constexpr double kTinyStep = static_cast<double>(1e-9f);
constexpr double kQuarterTurn = kTwoPi / 4;
// The largest angular step a star may take per frame, in single precision.
constexpr float kLargestStep = 1.5707964f;
constexpr std::int16_t kLargestRibbon = 20;
constexpr std::int16_t kAboveOrBelow = 16384;

// The whole part of a value already known to lie within [lo, hi + 1).
std::int32_t WholePart(double value, std::int32_t lo, std::int32_t hi) {
    const double whole = std::floor(value);
    if (!(whole >= lo)) return lo;  // also a value that is not a number
    return whole > hi ? hi : static_cast<std::int32_t>(whole);
}

double Sign(double value) { return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0); }

// Where a disc star lies before its turn about the axis: its level, radius
// and height, and the angle of its arm.
struct DiscPlace {
    std::int16_t level = 0;
    float r = 0;
    float y = 0;
    float theta = 0;
};

// Levels, bands, arms and the profile's height: the shared steps of core
// stars and start-cloud disc stars. Divisors a record may hold unvalidated
// (levels, bands) count as at least 1 here.
DiscPlace PlaceInDisc(const UniGalaxy& t, double angleOffset) {
    DiscPlace place;
    const int levels = UsableLevels(t.Galaxy_StdLevels);
    const int bands = std::max<std::int16_t>(t.Galaxy_RadBands, 1);
    const std::int32_t lv = WholePart(RandomFraction() * levels, 0, levels - 1);
    place.level = static_cast<std::int16_t>(lv);

    auto bandRadius = [&](double across) {
        const double a = RandomFraction();
        const double b = WholePart(RandomFraction() * bands, 0, bands - 1) / static_cast<double>(bands);
        return Single(across * std::pow(b + (a / bands) * t.Run_RadBFill, t.Galaxy_RadiusExp) + kTinyRadius);
    };
    auto height = [&](float h) {
        return Single(h * std::pow(RandomFraction(), t.Galaxy_HeightExp) * t.Galaxy_GHW_Ratio);
    };

    if (t.Galaxy_StdLevB_HS != 0) {
        // Levels widen the disc before the profile is applied.
        const float r0 = Single(lv * static_cast<double>(t.Run_LevelDRad) + t.Run_Radius);
        place.r = bandRadius(r0);
        const float h = GetProfileHeight(t.Galaxy_Profile, place.r, r0, Single(static_cast<double>(r0) * r0));
        place.y = height(h);
    } else {
        // Levels stack outward after the profile.
        place.r = bandRadius(t.Run_Radius);
        const float h = GetProfileHeight(t.Galaxy_Profile, place.r, t.Run_Radius, t.Run_RadiusSq);
        place.y = height(h);
        place.r = Single(place.r + lv * static_cast<double>(t.Run_LevelDRad));
    }
    if (levels > 1) {
        const double y = place.y;
        place.y = Single(y + (y * t.Galaxy_StdLevHSca - y) * lv / (levels - 1));
    }
    const double s1 = RandomFraction();
    const double s2 = RandomFraction();
    const double arm = std::floor(t.Galaxy_RadSegs * s1);
    place.theta = Single(arm * t.Run_SegAngle + s2 * t.Run_SegAngle * t.Run_RadFill + angleOffset);
    return place;
}

// Which segment of a ribbon of `points` control points a nebula star lies
// on, and where within it. Advances the type's travel along the ribbon.
struct RibbonPlace {
    std::int16_t segment = 0;
    float within = 0;
    float s = 0;  // position in control-point units, before the wrap
    std::int16_t points = 1;
};

RibbonPlace PlaceOnRibbon(UniGalaxy& t) {
    RibbonPlace place;
    place.points = std::clamp<std::int16_t>(t.Galaxy_CP_Points, 1, kLargestRibbon);
    const double p = place.points;
    const int bias = std::max<std::int16_t>(t.Galaxy_CP_B_Pts, 1);

    float travel = Single(static_cast<double>(t.Run_NebulaTravel) + t.Run_CpBSpdK);
    if (travel >= p) travel = Single(travel - p);
    t.Run_NebulaTravel = travel;

    const double r1 = RandomFraction();
    const double r2 = RandomFraction();
    const double r3 = RandomFraction();
    const double u = std::floor(r3 * bias) + 0.5 + Sign(r2 - 0.5) * (1.0 - std::pow(r1, t.Run_CpBExpK)) * 0.5;
    place.s = Single(u / bias * p + travel);
    const double whole = std::floor(place.s);
    double segment = whole >= p ? whole - p : whole;
    // A travel beyond the ribbon (an unvalidated speed) must not leave it.
    segment = std::clamp(segment, 0.0, p - 1);
    place.segment = static_cast<std::int16_t>(segment);
    place.within = Single(place.s - whole);
    return place;
}

void GenerateStarwave(StarTable& stars, std::int32_t i, const UniGalaxy& t) {
    const int bands = std::max<std::int16_t>(t.Galaxy_RadBands, 1);
    const double f1 = RandomFraction();
    const double f2 = RandomFraction();
    const float theta = Single(std::floor(t.Galaxy_RadSegs * f1) * t.Run_SegAngle +
                               f2 * t.Run_SegAngle * t.Run_RadFill + t.Run_TiltAngle);
    stars.StarX[i] = stars.StarY[i] = stars.StarZ[i] = 0;
    stars.StarVX[i] = Single(t.Run_Radius100 * Cos(theta));
    const double f3 = RandomFraction();
    // Which of the interleaved waves the particle rides, as a phase.
    stars.StarVY[i] = Single(WholePart(f3 * bands, 0, bands - 1) * kTwoPi / bands);
    stars.StarVZ[i] = Single(t.Run_Radius100 * Sin(theta));
}

// The hue of a new star by its type's colour mode; false when the mode
// gives none (black stars, unknown modes).
bool StarHue(const StarTable& stars, std::int32_t i, const UniGalaxy& t, double omega, double pathFraction,
             std::int16_t& hue) {
    const double phase = t.Run_HuePhase;
    switch (t.Galaxy_ColorComp) {
    case kColourRotation: hue = WholeHue(omega * t.Run_ColorMult10th * 10.0 + phase); return true;
    case kColourRotationRoot: hue = WholeHue(std::sqrt(omega * t.Run_ColorMult10th * 1000.0) + phase); return true;
    case kColourDistance:
    case kColourDistanceSquared: {
        double d = 0;
        // Without an outer radius the hue comes from the phase alone.
        if (t.Run_OuterRadius != 0) {
            const double x = stars.StarX[i], y = stars.StarY[i], z = stars.StarZ[i];
            d = std::abs(1.0 - std::sqrt(std::abs(x * x + y * y + z * z)) / t.Run_OuterRadius);
        }
        if (t.Galaxy_ColorComp == kColourDistanceSquared) d *= d;
        hue = WholeHue(d * t.Run_ColorMult10th + phase);
        return true;
    }
    case kColourNebula: hue = WholeHue(pathFraction * t.Run_ColorMult1000th * 360.0 + phase); return true;
    case kColourMolecule: {
        const double f = RandomFraction();
        hue = WholeHue(f * t.Run_ColorMult1000th * 10.0 + (phase + stars.StarColor[i]));
        return true;
    }
    default: return false;
    }
}

}  // namespace

void GenerateStar(const RunContext& run, StarTable& stars, std::int32_t i, std::int16_t galType, std::int16_t galIndex,
                  GalaxyPathTables& paths) {
    if (i < 0 || i >= stars.Count() || !IsGalaxyType(galType)) return;
    stars.StarAge[i] = 0;
    stars.StarExtra[i] = 0;
    stars.NewCountdown[i] = stars.NovaCountdown[i] = stars.PulsarCountdown[i] = 0;
    stars.StarLevel[i] = 0;
    float omega = 0;
    float pathFraction = 0;
    float splineParam = 0;

    UniGalaxy& t = run.types[galType];
    float& x = stars.StarX[i];
    float& y = stars.StarY[i];
    float& z = stars.StarZ[i];
    switch (t.Galaxy_GalStyle) {
    case kStyleStandard:
        GenerateCoreStar(run, x, y, z, stars.StarOrbitCos[i], stars.StarOrbitSin[i], omega, stars.StarLevel[i], galType,
                         t.Run_RotStep, t.Run_ArmAngle);
        break;
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs:
        GenerateIfsStar(run, x, y, z, stars.StarOrbitCos[i], stars.StarOrbitSin[i], omega, galType, galIndex, paths);
        break;
    case kStyleNebula:
        GenerateNebulaStar(run, x, y, z, stars.StarVX[i], stars.StarVY[i], stars.StarVZ[i], pathFraction, splineParam,
                           galType, galIndex, paths);
        break;
    case kStyleQuasar:
        GenerateCoreStar(run, x, y, z, stars.StarOrbitCos[i], stars.StarOrbitSin[i], omega, stars.StarLevel[i], galType,
                         t.Run_RotStep, t.Run_TiltAngle);
        // Quasar stars fly straight out of the core.
        stars.StarVX[i] = Single(static_cast<double>(t.Run_ForceK) * x);
        stars.StarVY[i] = Single(static_cast<double>(t.Run_ForceK) * y);
        stars.StarVZ[i] = Single(static_cast<double>(t.Run_ForceK) * z);
        break;
    case kStyleGraviton:
        GenerateCoreStar(run, x, y, z, stars.StarOrbitCos[i], stars.StarOrbitSin[i], omega, stars.StarLevel[i], galType,
                         t.Run_RotStep, t.Run_TiltAngle);
        // Graviton stars start at rest; gravity pulls them through the core.
        stars.StarVX[i] = stars.StarVY[i] = stars.StarVZ[i] = 0;
        break;
    case kStyleStarwave: GenerateStarwave(stars, i, t); break;
    case kStyleMolecule:
        GenerateMoleculeStar(run, x, y, z, stars.StarOrbitCos[i], stars.StarOrbitSin[i], stars.StarColor[i], omega,
                             galType, true);
        break;
    default: break;
    }

    if (t.Galaxy_ColorComp == kColourBlack) {
        stars.StarColor[i] = 0;
        return;
    }
    std::int16_t hue = 0;
    if (StarHue(stars, i, t, omega, pathFraction, hue)) {
        stars.StarHue[i] = hue;
        stars.StarColor[i] = run.colours.HueColorTable[galType][hue];
    }
}

void GenerateCoreStar(const RunContext& run, float& x, float& y, float& z, float& rotCos, float& rotSin, float& omega,
                      std::int16_t& level, std::int16_t galType, float rotStep, float angleOffset) {
    if (!IsGalaxyType(galType)) return;
    const UniGalaxy& t = run.types[galType];
    const DiscPlace place = PlaceInDisc(t, angleOffset);
    level = place.level;
    y = place.y;

    // Kepler-like: inner stars turn faster, outer levels slower.
    double step = kTwoPi * rotStep * std::sqrt(1.0 / std::abs(place.r + kTinyStep)) / (place.level + 1);
    float stored = Single(step);
    if (step > kQuarterTurn) stored = kLargestStep;
    omega = stored;
    rotCos = Single(Cos(stored));
    rotSin = Single(Sin(stored));

    x = Single(place.r * Cos(place.theta));
    z = Single(place.r * Sin(place.theta));
}

void GenerateUniverseCoreStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType) {
    if (!IsGalaxyType(galType)) return;
    const DiscPlace place = PlaceInDisc(run.types[galType], 0.0);
    y = place.y;
    x = Single(place.r * Cos(place.theta));
    z = Single(place.r * Sin(place.theta));
}

void GenerateNebulaStar(const RunContext& run, float& x, float& y, float& z, float& vx, float& vy, float& vz,
                        float& pathFraction, float& splineParam, std::int16_t galType, std::int16_t galIndex,
                        GalaxyPathTables& paths) {
    if (!IsGalaxyType(galType)) return;
    UniGalaxy& t = run.types[galType];
    const RibbonPlace place = PlaceOnRibbon(t);
    splineParam = Single(place.segment + static_cast<double>(place.within));
    const std::int16_t i = place.segment;
    SplineNebulaPoint(x, y, z, place.within, galIndex, i, static_cast<std::int16_t>(i + 1),
                      static_cast<std::int16_t>(i + 2), static_cast<std::int16_t>(i + 3), paths.NebulaCtrlX,
                      paths.NebulaCtrlY, paths.NebulaCtrlZ);
    // A random direction at the expansion speed, then the solar wind pushes
    // stars outward in proportion to their distance from the core.
    RandomShellPoint(vx, vy, vz, Single(t.Galaxy_RadiusExp * 0.001));
    const double wind = t.Run_HeightExpK;
    vx = Single(vx + x * wind);
    vy = Single(vy + y * wind);
    vz = Single(vz + z * wind);
    pathFraction = Single(static_cast<double>(place.s) / place.points);
}

void GenerateUniverseNebulaStar(const RunContext& run, float& x, float& y, float& z, std::int16_t galType,
                                const StartCloudPaths& cloud) {
    if (!IsGalaxyType(galType)) return;
    const RibbonPlace place = PlaceOnRibbon(run.types[galType]);
    const std::int16_t i = place.segment;
    SplinePathPoint(x, y, z, place.within, i, static_cast<std::int16_t>(i + 1), static_cast<std::int16_t>(i + 2),
                    static_cast<std::int16_t>(i + 3), cloud.UniNebulaCtrlX, cloud.UniNebulaCtrlY, cloud.UniNebulaCtrlZ);
}

float GetProfileHeight(std::int16_t profile, float r, float outer, float outerSq) {
    // The constants of the "Standard" bulge and the "Top-Like" cap are single
    // precision values carried in double.
    constexpr double kBulge = static_cast<double>(2.856f);
    constexpr double kBulgeArea = static_cast<double>(0.12259806f);
    constexpr double kCapScale = static_cast<double>(10.0f);
    const double R = r, O = outer, OS = outerSq;
    auto root = [](double v) { return std::sqrt(std::abs(v)); };

    double h = 0;
    switch (profile) {
    case 0:  // Standard
        if (R <= 0.25 * O) {
            h = kBulge * root(kBulgeArea * OS - R * R);
        } else if (R <= 0.5 * O) {
            const double d = 0.5 * O - R;
            h = 1.4 * O - kBulge * root(kBulgeArea * OS - d * d);
        } else {
            const double d = R - 0.5 * O;
            h = 0.8 * root(0.25 * OS - d * d);
        }
        break;
    case 1:  // Top-Like; without a radius the cap has no height
        if (O == 0) {
            h = 0;
        } else if (R < 0.1 * O) {
            h = (kCapScale / O * 0.25 * root(0.01 * OS - R * R) + 0.75) * O;
        } else if (R < 0.75 * O) {
            const double d = 0.85 * O - R - 0.1 * O;
            const double s = root(0.4225 * OS - d * d);
            h = (1.0 - s / (0.65 * O)) * 0.5 * O + 0.25 * O;
        } else {
            const double d = R - 0.75 * O;
            h = root(0.0625 * OS - d * d);
        }
        break;
    case 2: h = root(OS - R * R); break;                  // Spherical
    case 3: h = O - R; break;                             // Conical
    case 4: h = O - root(OS - (O - R) * (O - R)); break;  // Hyperbolic
    case 5: h = O - root(OS - R * R); break;              // Outer-Hyperbolic
    case 6: h = root(OS - (O - R) * (O - R)); break;      // Inner-Hyperbolic
    default: h = 0; break;
    }
    const std::int16_t k = static_cast<std::int16_t>(RandomInteger() - kAboveOrBelow);
    return Single(h * Sign(k));
}

std::int16_t ResolveGalaxyType(std::span<const std::int16_t> types, std::int16_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= types.size()) return 0;
    const std::int16_t slot = types[static_cast<std::size_t>(index)];
    if (IsGalaxyType(slot)) return slot;
    const int composite = slot - kGalaxyTypeCount;
    if (!IsCompGalaxy(composite)) return 0;
    const CompGalaxy& comp = CompGalaxies[static_cast<std::size_t>(composite)];
    if (comp.CompGal_Count < 1) return 0;
    const std::int16_t major = comp.CompGal_Type[0];
    return IsGalaxyType(major) ? major : 0;
}

}  // namespace orbweave
