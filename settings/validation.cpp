#include "settings/validation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/convert.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

constexpr std::int16_t kLastStyle = 9;
constexpr std::int16_t kLastGridStructure = 11;
constexpr std::int16_t kFirstGridStructure = 6;

// The four radial fields mean different things per galaxy style (arms and
// bands, attractor steps and turn, figure vertices, nebula control points, ...),
// so their ranges follow the style.
struct RadialRanges {
    std::int16_t segsLo, segsHi;
    std::int16_t fillLo, fillHi;
    std::int16_t bandsLo, bandsHi;
    std::int16_t bandFillLo, bandFillHi;
};

constexpr std::array<RadialRanges, kLastStyle + 1> kRadialRangesByStyle{{
    {1, 99, 0, 100, 1, 99, 0, 100},    // 0 standard
    {1, 99, 0, 100, 0, 360, 0, 100},   // 1 single point attractor
    {4, 10, 0, 100, 1, 99, 0, 100},    // 2 nested wireframe
    {4, 10, 0, 100, 0, 100, 0, 100},   // 3 space filling fractal
    {1, 20, 0, 9999, 1, 99, 0, 100},   // 4 nebula: the control-point ranges
    {1, 99, 0, 100, 1, 99, 0, 100},    // 5 quasar
    {1, 99, 0, 100, 1, 99, 0, 100},    // 6 graviton
    {1, 99, 0, 100, 1, 99, 0, 999},    // 7 starwave
    {1, 99, 0, 100, 1, 99, 0, 100},    // 8 user-defined IFS
    {1, 99, 0, 100, 1, 99, 0, 100},    // 9 molecular
}};

void Clamp16(std::int16_t& field, std::int16_t lo, std::int16_t hi) { field = ClampInt(field, lo, hi); }
void Clamp32(std::int32_t& field, std::int32_t lo, std::int32_t hi) { field = ClampLng(field, lo, hi); }
void ClampSingle(float& field, float lo, float hi) { field = ClampSng(field, lo, hi); }

// A fill percentage holds a whole number after validation: rounded (halves to
// even) and clamped in double, so no value is ever narrowed out of range.
void ClampWholeFloat(float& field, std::int16_t lo, std::int16_t hi) {
    const double rounded = std::nearbyint(static_cast<double>(field));
    // Adding 0 turns a negative zero into zero.
    field = static_cast<float>(std::clamp(rounded, static_cast<double>(lo), static_cast<double>(hi)) + 0.0);
}

void ValidateRadialFields(UniGalaxy& g, std::int16_t style) {
    const RadialRanges& r = kRadialRangesByStyle[static_cast<std::size_t>(style)];
    Clamp16(g.Galaxy_RadSegs, r.segsLo, r.segsHi);
    ClampWholeFloat(g.Galaxy_RadFill, r.fillLo, r.fillHi);
    Clamp16(g.Galaxy_RadBands, r.bandsLo, r.bandsHi);
    ClampWholeFloat(g.Galaxy_RadBFill, r.bandFillLo, r.bandFillHi);
}

void ValidateEvents(UniGalaxy& g) {
    Clamp16(g.Galaxy_NewFreq, 0, 9999);
    Clamp16(g.Galaxy_NewFrames, 0, 99);
    Clamp16(g.Galaxy_NewExtMult, 1, 9999);

    Clamp16(g.Galaxy_NovaFreq, 0, 9999);
    Clamp16(g.Galaxy_NovaFrames, 1, 999);
    Clamp16(g.Galaxy_NovaExtMult, 1, 9999);

    Clamp16(g.Galaxy_PulsarFreq, 0, 9999);
    Clamp16(g.Galaxy_PulsarDepth, 0, 9999);
    Clamp16(g.Galaxy_PulsarShape, 0, 4);
    Clamp16(g.Galaxy_PulsarCycles, 1, 99);
    Clamp16(g.Galaxy_PulsarFrames, 1, 99);
    Clamp16(g.Galaxy_PulsarMinExt, 1, 9999);
    Clamp16(g.Galaxy_PulsarMaxExt, 1, 9999);

    Clamp16(g.Galaxy_CometFreq, 0, 9999);
    Clamp16(g.Galaxy_CometStars, 1, 999);
    Clamp16(g.Galaxy_CometOrbit, 0, 9999);
    Clamp16(g.Galaxy_CometSpeed, 0, 9999);
    Clamp16(g.Galaxy_CometSWind, 0, 9999);
    ClampSingle(g.Galaxy_CometSPersist, 0.1f, 0.9999f);
    ClampSingle(g.Galaxy_CometCPersist, 0.1f, 0.9999f);

    Clamp16(g.Galaxy_HWC_Start, 0, 999);
    Clamp16(g.Galaxy_HWC_End, 0, 999);
    ClampSingle(g.Galaxy_HWC_Inc, 0.0f, 1.0f);
}

void ValidateShape(UniGalaxy& g) {
    ClampSingle(g.Galaxy_GHW_Ratio, 0.0f, 99.9f);
    ClampSingle(g.Galaxy_RadiusExp, 0.0f, 99.9f);
    ClampSingle(g.Galaxy_HeightExp, 0.0f, 99.9f);
    ClampSingle(g.Galaxy_AngleTilt, 0.0f, 360.0f);
    ClampSingle(g.Galaxy_AngleTInc, 0.0f, 360.0f);
    ClampSingle(g.Galaxy_HWheelInc, 0.0f, 360.0f);
    Clamp32(g.Galaxy_ColorMult, 0, 30000);
}

void ValidateChoicesAndNebula(UniGalaxy& g) {
    Clamp16(g.Galaxy_AxisPlane, 0, 1);
    Clamp16(g.Galaxy_ColorComp, 0, 6);
    Clamp16(g.Galaxy_HueStart, 0, 359);
    Clamp16(g.Galaxy_Profile, 0, 6);

    Clamp16(g.Galaxy_CP_Points, 1, 20);
    Clamp16(g.Galaxy_CP_Steps, 0, 9999);
    Clamp16(g.Galaxy_CP_B_Pts, 1, 99);
    Clamp16(g.Galaxy_CP_B_Exp, 0, 100);
    Clamp16(g.Galaxy_CP_B_Spd, 0, 999);
    Clamp16(g.Galaxy_CP_Close, 0, 1);
    Clamp16(g.Galaxy_CP_AdvHW, 0, 1);
}

// The count is clamped first, so the entries visited never pass the capacity.
void ValidateIfsBlock(IfsBlock& b) {
    Clamp16(b.Galaxy_IFS_Points, 0, kIfsPointCapacity);
    Clamp16(b.IFS_CenterX, 0, 9999);
    Clamp16(b.IFS_CenterY, 0, 9999);
    Clamp16(b.IFS_CenterZ, 0, 9999);
    for (std::size_t j = 0; j < static_cast<std::size_t>(b.Galaxy_IFS_Points); ++j) {
        Clamp16(b.IFS_X[j], 0, 9999);
        Clamp16(b.IFS_Y[j], 0, 9999);
        Clamp16(b.IFS_Z[j], 0, 9999);
        Clamp16(b.IFS_Scale[j], 0, 100);
        Clamp16(b.IFS_Axis[j], 0, 2);
        Clamp16(b.IFS_Angle[j], 0, 360);
        Clamp16(b.IFS_Pct[j], 0, 9999);
    }
}

void ValidateAtomBlock(AtomBlock& b) {
    Clamp16(b.Galaxy_Atoms, 0, kAtomCapacity);
    Clamp16(b.Atom_CenterX, 0, 9999);
    Clamp16(b.Atom_CenterY, 0, 9999);
    Clamp16(b.Atom_CenterZ, 0, 9999);
    for (std::size_t j = 0; j < static_cast<std::size_t>(b.Galaxy_Atoms); ++j) {
        Clamp16(b.Atom_Element[j], 1, 17);
        Clamp16(b.Atom_Structure[j], 0, kLastGridStructure);
        Clamp16(b.Atom_X[j], 0, 9999);
        Clamp16(b.Atom_Y[j], 0, 9999);
        Clamp16(b.Atom_Z[j], 0, 9999);
        Clamp16(b.Run_AtomPoints[j], 1, 100);
        Clamp16(b.Atom_Radius[j], 0, 9999);
        Clamp16(b.Atom_SymRadius[j], 0, 9999);
        // For the grid and matrix types X is the number of points per side.
        if (b.Atom_Structure[j] >= kFirstGridStructure) Clamp16(b.Atom_X[j], 1, 99);
    }
}

}  // namespace

void ValidateUniGalaxy(std::int16_t index) {
    if (!IsUniGalaxySlot(index)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];

    Clamp16(g._UniGalPct, 0, 9999);
    Clamp16(g.Galaxy_HueRed, 0, 100);
    Clamp16(g.Galaxy_HueGrn, 0, 100);
    Clamp16(g.Galaxy_HueBlu, 0, 100);
    Clamp16(g.Galaxy_HueBase, 0, 100);
    Clamp16(g.Galaxy_DX_Blend, 0, 100);

    Clamp32(g.Galaxy_Radius, 1, 30000);
    Clamp32(g.Galaxy_Rotation, 0, 30000);
    Clamp32(g.Galaxy_Distance, 0, 30000);

    const std::int16_t style = ClampInt(g.Galaxy_GalStyle, 0, kLastStyle);
    ValidateRadialFields(g, style);
    ValidateEvents(g);
    ValidateShape(g);
    g.Galaxy_GalStyle = style;
    ValidateChoicesAndNebula(g);

    g.Run_NebulaTravel = 0;
    ClampSingle(g.Galaxy_QG_Force, 0.0f, 99.9f);
    Clamp16(g.Galaxy_StdLevels, 1, kLevelCapacity);

    ValidateIfsBlock(g.Ifs);
    ValidateAtomBlock(g.Atoms);

    g.Run_ArmAngle = 0;
    g.Run_TiltAngle = 0;
}

void ValidateCompGalaxy(std::int16_t index) {
    if (!IsCompGalaxy(index)) return;
    CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    Clamp16(c._CompGalPct, 0, 9999);
    // A composite holds its major type and up to 49 minor types: 50 members.
    Clamp16(c.CompGal_Count, 0, kCompMemberCapacity);
    for (std::size_t j = 0; j < static_cast<std::size_t>(c.CompGal_Count); ++j) {
        Clamp16(c.CompGal_Type[j], 0, kGalaxyTypeCount - 1);
    }
}

}  // namespace orbweave
