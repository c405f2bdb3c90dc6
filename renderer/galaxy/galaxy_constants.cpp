#include "renderer/galaxy/galaxy_constants.h"

#include <algorithm>
#include <cmath>

#include "renderer/galaxy/precision.h"
#include "settings/element_tables.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

namespace {

std::array<float, 7> HexCorners(double (*wave)(double)) {
    std::array<float, 7> corners{};
    for (int i = 0; i <= 6; ++i) corners[i] = Single(wave(i * kTwoPi / 6));
    return corners;
}

constexpr std::array<std::int32_t, kShapeTableSize> TriangleCounts() {
    std::array<std::int32_t, kShapeTableSize> counts{};
    for (int i = 0; i < kShapeTableSize; ++i) counts[i] = i * (i + 1) / 2;
    return counts;
}

constexpr std::array<std::int32_t, kShapeTableSize> HexagonCounts() {
    std::array<std::int32_t, kShapeTableSize> counts{};
    for (int i = 0; i < kShapeTableSize; ++i) counts[i] = i < 1 ? 1 : 1 + 3 * i * (i - 1);
    return counts;
}

// Half a turn, compared in single precision: a damped tilt increment above
// it shrinks towards a full turn.
constexpr double kHalfTurnSingle = static_cast<double>(3.1415927f);
constexpr double kTinySingle = static_cast<double>(1e-9f);

std::int16_t RoundedInt16(double value) {
    if (std::isnan(value)) return 0;
    const double clamped = std::clamp(std::nearbyint(value), -32768.0, 32767.0);
    return static_cast<std::int16_t>(clamped);
}

std::int16_t PlotModeOf(std::int16_t style, std::int16_t current) {
    switch (style) {
    case kStyleStandard:
    case kStyleAttractor:
    case kStyleWireframe:
    case kStyleFractal:
    case kStyleUserIfs:
    case kStyleMolecule: return kPlotOrbit;
    case kStyleNebula:
    case kStyleQuasar: return kPlotStraight;
    case kStyleGraviton: return kPlotGravity;
    case kStyleStarwave: return kPlotWave;
    default: return current;
    }
}

void DeriveScales(UniGalaxy& g) {
    g.Run_Radius = Single(g.Galaxy_Radius * 0.01);
    g.Run_Distance = Single(g.Galaxy_Distance * 0.01);
    g.Run_RotStep = Single(g.Galaxy_Rotation * 0.000001);
    g.Run_RadiusSq = Single(static_cast<double>(g.Run_Radius) * g.Run_Radius);
    g.Run_Radius100 = Single(g.Run_Radius * 0.01);
    g.Run_RotStep8 = Single(g.Run_RotStep * 8.0);
    g.Run_KeplerK = Single(std::sqrt(1.0 / std::abs(g.Run_Radius + kTinySingle)) * kTwoPi * g.Run_RotStep);
    g.Run_RadFill = Single(g.Galaxy_RadFill * 0.01);
    g.Run_RadBFill = Single(g.Galaxy_RadBFill * 0.01);
    // A record the dialog wrote unvalidated may hold no arms: count one.
    g.Run_SegAngle = Single(kTwoPi / std::max<std::int16_t>(g.Galaxy_RadSegs, 1));
    const double bandTurn = g.Galaxy_RadBands * kRadiansPerDegree;
    g.Run_BandCos = Single(Cos(bandTurn));
    g.Run_BandSin = Single(Sin(bandTurn));
    g.Run_RotCos = Single(Cos(g.Run_RotStep));
    g.Run_RotSin = Single(Sin(g.Run_RotStep));
    g.Run_RotCos8 = Single(Cos(g.Run_RotStep8));
    g.Run_RotSin8 = Single(Sin(g.Run_RotStep8));
}

void DeriveFactors(UniGalaxy& g) {
    g.Run_HeightExpK = Single(g.Galaxy_HeightExp * 0.001);
    g.Run_CpBExpK = Single(g.Galaxy_CP_B_Exp * 0.01);
    g.Run_CpBSpdK = Single(g.Galaxy_CP_B_Spd * 0.00001);
    g.Run_ForceK = Single(g.Galaxy_QG_Force * (g.Galaxy_GalStyle == kStyleQuasar ? 0.01 : 0.0001));
    g.Run_ColorMult10th = Single(g.Galaxy_ColorMult * 0.1);
    g.Run_ColorMult1000th = Single(g.Galaxy_ColorMult * 0.001);
    g.Run_NewExtK = Single(g.Galaxy_NewExtMult * 0.001);
    g.Run_NovaFreqP = Single(g.Galaxy_NovaFreq * 0.0001);
    g.Run_NovaExtK = Single(g.Galaxy_NovaExtMult * 0.0001);
    g.Run_PulsarFreqP = Single(g.Galaxy_PulsarFreq * 0.0001);
    g.Run_PulsarDepthK = Single(g.Galaxy_PulsarDepth * 0.001);
    g.Run_CometFreqP = Single(g.Galaxy_CometFreq * 0.0001);
    g.Run_CometOrbitK = Single(g.Galaxy_CometOrbit * 0.00001);
    g.Run_CometSpeedK = Single(g.Galaxy_CometSpeed * 0.00001);
    g.Run_CometSWindK = Single(g.Galaxy_CometSWind * 0.00001);
    g.Run_RadBFillInt = RoundedInt16(g.Galaxy_RadBFill);
    g.Run_CometHuePhase = 0;
    g.Run_CometHueStart = g.Galaxy_HWC_Start;
    g.Run_CometHueEnd = g.Galaxy_HWC_End;
    g.Run_WaveAmp = Single(g.Galaxy_GHW_Ratio * static_cast<double>(g.Galaxy_Radius) * 0.01);
    g.Run_WaveStep = Single(g.Galaxy_RadiusExp * kRadiansPerDegree);
}

void DeriveLevels(UniGalaxy& g) {
    if (g.Galaxy_GalStyle != kStyleStandard) g.Galaxy_StdLevels = 1;
    g.Run_LevelDRad = Single(g.Galaxy_StdLevDRad * 0.01);
    g.Run_OuterRadius = Single((g.Galaxy_StdLevels - 1.0) * g.Run_LevelDRad + g.Run_Radius);

    const int levels = UsableLevels(g.Galaxy_StdLevels);
    for (int j = 0; j < levels; ++j) {
        g.Run_LevelTilt[j] = Single(-g.Galaxy_AngleTilt * kRadiansPerDegree);
        float a = Single(g.Galaxy_AngleTInc * kRadiansPerDegree);
        if (g.Galaxy_StdLevB_A1 != 0) {
            // Damping shrinks the increment from the innermost level outwards.
            const double q = static_cast<double>(levels - j) / levels;
            a = a <= kHalfTurnSingle ? Single(a * q) : Single(kTwoPi - (kTwoPi - a) * q);
        }
        const bool interleaved = (j % 2 == 1) && g.Galaxy_StdLevB_A0 != 0;
        g.Run_LevelTiltInc[j] = interleaved ? -a : a;
    }
}

void DeriveIfsPoints(UniGalaxy& g) {
    IfsBlock& ifs = g.Ifs;
    const double s = g.Run_Radius * 0.1;
    const int points = std::clamp<int>(ifs.Galaxy_IFS_Points, 0, kIfsPointCapacity);
    std::int32_t sum = 0;
    for (int k = 0; k < points; ++k) {
        ifs.Run_IfsOffX[k] = Single((ifs.IFS_X[k] * 0.01 - ifs.IFS_CenterX * 0.01) * s);
        ifs.Run_IfsOffY[k] = Single((ifs.IFS_Y[k] * 0.01 - ifs.IFS_CenterY * 0.01) * s);
        ifs.Run_IfsOffZ[k] = Single((ifs.IFS_Z[k] * 0.01 - ifs.IFS_CenterZ * 0.01) * s);
        ifs.Run_IfsScale[k] = Single(ifs.IFS_Scale[k] * 0.01);
        const double angle = ifs.IFS_Angle[k] * kRadiansPerDegree;
        ifs.Run_IfsCos[k] = Single(Cos(angle));
        ifs.Run_IfsSin[k] = Single(Sin(angle));
        sum += ifs.IFS_Pct[k];
        ifs.Run_IfsCumPct[k] = sum;
    }
}

void DeriveAtoms(UniGalaxy& g) {
    AtomBlock& atoms = g.Atoms;
    const double s = g.Run_Radius * 0.1;
    const int count = std::clamp<int>(atoms.Galaxy_Atoms, 0, kAtomCapacity);
    std::int32_t sum = 0;
    for (int a = 0; a < count; ++a) {
        atoms.Run_AtomOffX[a] = Single((atoms.Atom_X[a] * 0.01 - atoms.Atom_CenterX * 0.01) * s);
        atoms.Run_AtomOffY[a] = Single((atoms.Atom_Y[a] * 0.01 - atoms.Atom_CenterY * 0.01) * s);
        atoms.Run_AtomOffZ[a] = Single((atoms.Atom_Z[a] * 0.01 - atoms.Atom_CenterZ * 0.01) * s);
        atoms.Run_AtomRad[a] = Single(atoms.Atom_Radius[a] * 0.01 * s);
        const double symmetry = atoms.Atom_SymRadius[a] * 0.01 * s;
        atoms.Run_AtomSym[a] = Single(symmetry);
        atoms.Run_AtomSymHalf[a] = Single(atoms.Run_AtomSym[a] * 0.5);
        atoms.Run_AtomSym0595[a] = Single(atoms.Run_AtomSym[a] * 0.594603);
        atoms.Run_AtomSym0707[a] = Single(atoms.Run_AtomSym[a] * 0.707106);
        atoms.Run_AtomSym0866[a] = Single(atoms.Run_AtomSym[a] * 0.866025);
        // An unknown structure type has no count: the old one stays.
        if (const auto points = GetStructurePointCount(atoms.Atom_Structure[a])) atoms.Run_AtomPoints[a] = *points;
        sum += atoms.Run_AtomPoints[a];
        atoms.Run_AtomCumPoints[a] = static_cast<std::int16_t>(std::min<std::int32_t>(sum, 32767));
    }
}

void DeriveCompositeLevels(const GalaxyTypes& types) {
    for (CompGalaxy& comp : CompGalaxies) {
        const int members = std::clamp<int>(comp.CompGal_Count, 0, kCompMemberCapacity);
        std::int32_t sum = 0;
        for (int m = 0; m < members; ++m) {
            const std::int16_t type = comp.CompGal_Type[m];
            sum += types[IsGalaxyType(type) ? type : 0].Galaxy_StdLevels;
            comp.Run_CumLevels[m] = static_cast<std::int16_t>(sum);
        }
    }
}

}  // namespace

const std::array<float, 7> HexCos = HexCorners(Cos);
const std::array<float, 7> HexSin = HexCorners(Sin);
constinit const std::array<std::int32_t, kShapeTableSize> TriCount = TriangleCounts();
constinit const std::array<std::int32_t, kShapeTableSize> HexCount = HexagonCounts();

std::int16_t UsableLevels(std::int16_t levels) {
    return std::clamp<std::int16_t>(levels, 1, static_cast<std::int16_t>(kLevelCapacity));
}

void PrecomputeGalaxyConstants(GalaxyTypes& types) {
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        UniGalaxy& g = types[static_cast<std::size_t>(t)];
        DeriveScales(g);
        DeriveFactors(g);
        DeriveLevels(g);
        g.Run_PlotMode = PlotModeOf(g.Galaxy_GalStyle, g.Run_PlotMode);
        DeriveIfsPoints(g);
        DeriveAtoms(g);
    }
    DeriveCompositeLevels(types);
}

}  // namespace orbweave
