#include "settings/galaxy_values.h"

#include <string_view>
#include <type_traits>

#include "core/convert.h"
#include "settings/style_ranges.h"

namespace orbweave {
namespace {

std::string IfsPointName(int j) { return NumberedName("IFS_P", j); }
// Atom values carry two digits: "Atom_P00" .. "Atom_P31".
std::string AtomPointName(int j) { return NumberedName(j < 10 ? "Atom_P0" : "Atom_P", j); }

using G = UniGalaxy;
using C = DialogControl;
using I16 = GalaxyInt16Value;
using I32 = GalaxyInt32Value;
using F32 = GalaxySingleValue;

constexpr ControlPlace Box(int index) { return {C::GalaxyBoxes, index}; }
constexpr ControlPlace Hue(int index) { return {C::HueBoxes, index}; }
constexpr ControlPlace One(C control) { return {control, kSingleControl}; }

// The radial boxes: their clamp and their spin's range follow the style;
// their arrows keep fixed limits in every style.
constexpr BoxRule ByStyle(ArrowStep arrows, SpinRange spin) { return DigitsBox(BoxClamp::ByStyle, 0, 0, arrows, spin); }
constexpr SpinRange kStyleSpin = Spin(0, 0);
// The list editor's percent: the arrows stop at 999, the spin and the commit
// at the top of the stored range.
constexpr BoxRule kPercentBox = DigitsBox(BoxClamp::None, 0, 0, {1, 0, 999});

// A value whose box keeps it in its stored range: the box clamps into the
// range (decimals for a single, digits otherwise) and its arrows, with a step
// other than 0, step within it.
template <class T>
constexpr GalaxyNumberValue<T> Kept(std::string_view name, T G::*field, std::type_identity_t<T> fallback,
                                    StoredRange stored, ControlPlace place, BoxClamp clamp, int step = 0) {
    const BoxRule box = clamp == BoxClamp::Single
                            ? SingleBox(stored.low, stored.high)
                            : DigitsBox(clamp, stored.low, stored.high, StepWithin(step, stored.low, stored.high));
    return {name, field, fallback, stored, place, box};
}

// The row's box with a spin control beside it: over spin, or over the whole
// stored range.
template <class T>
constexpr GalaxyNumberValue<T> WithSpin(GalaxyNumberValue<T> row, SpinRange spin) {
    row.box->spin = spin;
    return row;
}
template <class T>
constexpr GalaxyNumberValue<T> WithSpinAcross(GalaxyNumberValue<T> row) {
    return WithSpin(row, Spin(static_cast<int>(row.stored.low), static_cast<int>(row.stored.high)));
}

}  // namespace

// The nebula style shows its control-point values in the radial boxes and
// the tilt box, whose rows bind them; so those values name a box but no rule.
const std::array<GalaxyValue, kGalaxyValueCount> kGalaxyValues{
    WithSpinAcross(I16{"_UniGalPct", &G::_UniGalPct, 0, kGalaxyPercentRange, One(C::GalaxyPercentBox), kPercentBox}),
    GalaxyNameValue{"_UniGalName", One(C::GalaxyNameBox)},
    WithSpinAcross(Kept("Galaxy_HueRed", &G::Galaxy_HueRed, 100, kHuePercentRange, Hue(0), BoxClamp::Integer, 1)),
    WithSpinAcross(Kept("Galaxy_HueGrn", &G::Galaxy_HueGrn, 100, kHuePercentRange, Hue(1), BoxClamp::Integer, 1)),
    WithSpinAcross(Kept("Galaxy_HueBlu", &G::Galaxy_HueBlu, 100, kHuePercentRange, Hue(2), BoxClamp::Integer, 1)),
    WithSpinAcross(Kept("Galaxy_HueBase", &G::Galaxy_HueBase, 0, kHuePercentRange, Hue(3), BoxClamp::Integer, 1)),
    WithSpinAcross(Kept("Galaxy_DX_Blend", &G::Galaxy_DX_Blend, 70, kHuePercentRange, Hue(4), BoxClamp::Integer, 1)),
    WithSpin(Kept("Galaxy_Radius", &G::Galaxy_Radius, 300, Stored(1, 30000), Box(0), BoxClamp::Long, 10),
             Spin(1, 9999)),
    WithSpinAcross(Kept("Galaxy_Rotation", &G::Galaxy_Rotation, 500, Stored(0, 30000), Box(1), BoxClamp::Long, 10)),
    WithSpinAcross(Kept("Galaxy_Distance", &G::Galaxy_Distance, 400, Stored(0, 30000), Box(2), BoxClamp::Long, 10)),
    I16{"Galaxy_RadSegs", &G::Galaxy_RadSegs, 1, kRangeByStyle, Box(3), ByStyle({1, 1, 99}, kStyleSpin)},
    F32{"Galaxy_RadFill", &G::Galaxy_RadFill, 100, kRangeByStyle, Box(4), ByStyle({1, 0, 100}, kStyleSpin)},
    I16{"Galaxy_RadBands", &G::Galaxy_RadBands, 1, kRangeByStyle, Box(5), ByStyle({1, 1, 99}, kStyleSpin)},
    F32{"Galaxy_RadBFill", &G::Galaxy_RadBFill, 100, kRangeByStyle, Box(6), ByStyle({1, 0, 100}, kStyleSpin)},
    WithSpinAcross(Kept("Galaxy_ColorMult", &G::Galaxy_ColorMult, 1800, Stored(0, 30000), Box(7), BoxClamp::Long, 10)),
    Kept("Galaxy_NewFreq", &G::Galaxy_NewFreq, 400, Stored(0, 9999), Box(10), BoxClamp::Integer),
    // The box takes up to 999 frames; a saved type keeps at most 99.
    I16{"Galaxy_NewFrames", &G::Galaxy_NewFrames, 8, Stored(0, 99), Box(11), IntegerBox(0, 999)},
    Kept("Galaxy_NewExtMult", &G::Galaxy_NewExtMult, 100, Stored(1, 9999), Box(12), BoxClamp::Integer),
    Kept("Galaxy_NovaFreq", &G::Galaxy_NovaFreq, 320, Stored(0, 9999), Box(20), BoxClamp::Integer),
    Kept("Galaxy_NovaFrames", &G::Galaxy_NovaFrames, 30, Stored(1, 999), Box(21), BoxClamp::Integer),
    Kept("Galaxy_NovaExtMult", &G::Galaxy_NovaExtMult, 600, Stored(1, 9999), Box(22), BoxClamp::Integer),
    Kept("Galaxy_PulsarFreq", &G::Galaxy_PulsarFreq, 0, Stored(0, 9999), Box(30), BoxClamp::Integer),
    Kept("Galaxy_PulsarDepth", &G::Galaxy_PulsarDepth, 100, Stored(0, 9999), Box(31), BoxClamp::Integer),
    I16{"Galaxy_PulsarShape", &G::Galaxy_PulsarShape, 0, Stored(0, 4), One(C::PulsarShapeList), {}},
    Kept("Galaxy_PulsarCycles", &G::Galaxy_PulsarCycles, 1, Stored(1, 99), Box(32), BoxClamp::Integer),
    Kept("Galaxy_PulsarFrames", &G::Galaxy_PulsarFrames, 40, Stored(1, 99), Box(33), BoxClamp::Integer),
    Kept("Galaxy_PulsarMinExt", &G::Galaxy_PulsarMinExt, 50, Stored(1, 9999), Box(34), BoxClamp::Integer),
    Kept("Galaxy_PulsarMaxExt", &G::Galaxy_PulsarMaxExt, 1000, Stored(1, 9999), Box(35), BoxClamp::Integer),
    Kept("Galaxy_CometFreq", &G::Galaxy_CometFreq, 400, Stored(0, 9999), Box(40), BoxClamp::Integer),
    Kept("Galaxy_CometStars", &G::Galaxy_CometStars, 60, Stored(1, 999), Box(41), BoxClamp::Integer),
    Kept("Galaxy_CometOrbit", &G::Galaxy_CometOrbit, 100, Stored(0, 9999), Box(42), BoxClamp::Integer),
    Kept("Galaxy_CometSpeed", &G::Galaxy_CometSpeed, 50, Stored(0, 9999), Box(43), BoxClamp::Integer),
    Kept("Galaxy_CometSWind", &G::Galaxy_CometSWind, 200, Stored(0, 9999), Box(44), BoxClamp::Integer),
    Kept("Galaxy_CometSPersist", &G::Galaxy_CometSPersist, 0.95f, Stored(0.1, 0.9999), Box(46), BoxClamp::Single),
    Kept("Galaxy_CometCPersist", &G::Galaxy_CometCPersist, 0.9975f, Stored(0.1, 0.9999), Box(45), BoxClamp::Single),
    GalaxyFlagValue{"Galaxy_CometVector", &G::Galaxy_CometVector, One(C::CometVectorCheck)},
    WithSpinAcross(Kept("Galaxy_HWC_Start", &G::Galaxy_HWC_Start, 140, Stored(0, 999), Box(47), BoxClamp::Integer, 1)),
    WithSpinAcross(Kept("Galaxy_HWC_End", &G::Galaxy_HWC_End, 220, Stored(0, 999), Box(48), BoxClamp::Integer, 1)),
    Kept("Galaxy_HWC_Inc", &G::Galaxy_HWC_Inc, 0, Stored(0, 1), Box(49), BoxClamp::Single),
    Kept("Galaxy_GHW_Ratio", &G::Galaxy_GHW_Ratio, 0.3f, Stored(0, 99.9), Box(90), BoxClamp::Single),
    Kept("Galaxy_RadiusExp", &G::Galaxy_RadiusExp, 1.15f, Stored(0, 99.9), Box(91), BoxClamp::Single),
    Kept("Galaxy_HeightExp", &G::Galaxy_HeightExp, 2, Stored(0, 99.9), Box(92), BoxClamp::Single),
    // Whole degrees in the box, whose range follows the style like the radial boxes'.
    F32{"Galaxy_AngleTilt", &G::Galaxy_AngleTilt, 170, kTiltAngleRange, Box(kTiltBox), ByStyle({}, {})},
    Kept("Galaxy_AngleTInc", &G::Galaxy_AngleTInc, 0, Stored(0, 360), Box(94), BoxClamp::Single),
    Kept("Galaxy_HWheelInc", &G::Galaxy_HWheelInc, 0.005f, Stored(0, 360), Box(96), BoxClamp::Single),
    I16{"Galaxy_GalStyle", &G::Galaxy_GalStyle, 0, Stored(0, 9), One(C::GalaxyStyleList), {}},
    I16{"Galaxy_AxisPlane", &G::Galaxy_AxisPlane, 0, Stored(0, 1), One(C::GalaxyPlaneList), {}},
    I16{"Galaxy_ColorComp", &G::Galaxy_ColorComp, 3, Stored(0, 6), One(C::GalaxyColourList), {}},
    WithSpinAcross(Kept("Galaxy_HueStart", &G::Galaxy_HueStart, 240, Stored(0, 359), Box(95), BoxClamp::Integer, 5)),
    I16{"Galaxy_Profile", &G::Galaxy_Profile, 0, Stored(0, 6), One(C::GalaxyProfileList), {}},
    I16{"Galaxy_CP_Points", &G::Galaxy_CP_Points, 8, Stored(1, 20), Box(3), {}},
    I16{"Galaxy_CP_Steps", &G::Galaxy_CP_Steps, 500, Stored(0, 9999), Box(4), {}},
    I16{"Galaxy_CP_B_Pts", &G::Galaxy_CP_B_Pts, 1, Stored(1, 99), Box(5), {}},
    I16{"Galaxy_CP_B_Exp", &G::Galaxy_CP_B_Exp, 100, Stored(0, 100), Box(6), {}},
    I16{"Galaxy_CP_B_Spd", &G::Galaxy_CP_B_Spd, 0, kBiasSpeedRange, Box(kTiltBox), {}},
    I16{"Galaxy_CP_Close", &G::Galaxy_CP_Close, 1, Stored(0, 1), One(C::ClosedPathCheck), {}},
    I16{"Galaxy_CP_AdvHW", &G::Galaxy_CP_AdvHW, 0, Stored(0, 1), One(C::AdvanceHueCheck), {}},
    Kept("Galaxy_QG_Force", &G::Galaxy_QG_Force, 5, Stored(0, 99.9), Box(8), BoxClamp::Single),
    Kept("Galaxy_StdLevels", &G::Galaxy_StdLevels, 1, Stored(1, kLevelCapacity), Box(9), BoxClamp::Integer),
    // The levels editor's values: no box of the properties dialog, no range.
    I32{"Galaxy_StdLevDRad", &G::Galaxy_StdLevDRad, 300, kUnclamped, {}, {}},
    F32{"Galaxy_StdLevHSca", &G::Galaxy_StdLevHSca, 1, kUnclamped, {}, {}},
    I16{"Galaxy_StdLevB_HS", &G::Galaxy_StdLevB_HS, 0, kUnclamped, {}, {}},
    I16{"Galaxy_StdLevB_A0", &G::Galaxy_StdLevB_A0, 0, kUnclamped, {}, {}},
    I16{"Galaxy_StdLevB_A1", &G::Galaxy_StdLevB_A1, 0, kUnclamped, {}, {}},
};

std::string NumberedName(std::string_view prefix, int number, std::string_view suffix) {
    std::string name(prefix);
    name += NumberToText(number);
    name += suffix;
    return name;
}

std::string SubSectionPath(std::string_view section, std::string_view subSection) {
    std::string path(section);
    path += '\\';
    path += subSection;
    return path;
}

std::string_view GalaxyValueName(const GalaxyValue& value) {
    return std::visit([](const auto& v) { return v.name; }, value);
}

std::string DefaultGalaxyName(int index) { return NumberedName("< Galaxy Profile ", index + 1, " >"); }
std::string DefaultCompositeName(int index) { return NumberedName("< Composite Galaxy ", index + 1, " >"); }

const ElementBlockLayout<IfsBlock, kIfsPointCapacity> kIfsLayout{
    "Galaxy_IFS_Points",
    "IFS",
    &IfsBlock::Galaxy_IFS_Points,
    {&IfsBlock::IFS_CenterX, &IfsBlock::IFS_CenterY, &IfsBlock::IFS_CenterZ},
    {"IFS_CenterX", "IFS_CenterY", "IFS_CenterZ"},
    {0, 9999},
    {&IfsBlock::IFS_X, &IfsBlock::IFS_Y, &IfsBlock::IFS_Z, &IfsBlock::IFS_Scale, &IfsBlock::IFS_Axis,
     &IfsBlock::IFS_Angle, &IfsBlock::IFS_Pct},
    {{{0, 9999}, {0, 9999}, {0, 9999}, {0, 100}, {0, 2}, {0, 360}, {0, 9999}}},
    IfsPointName,
};

// An atom's point text starts with its element; the factory rows order differs.
const ElementBlockLayout<AtomBlock, kAtomCapacity> kAtomLayout{
    "Galaxy_Atoms",
    "ATOMIC",
    &AtomBlock::Galaxy_Atoms,
    {&AtomBlock::Atom_CenterX, &AtomBlock::Atom_CenterY, &AtomBlock::Atom_CenterZ},
    {"Atom_CenterX", "Atom_CenterY", "Atom_CenterZ"},
    {0, 9999},
    {&AtomBlock::Atom_Element, &AtomBlock::Atom_X, &AtomBlock::Atom_Y, &AtomBlock::Atom_Z, &AtomBlock::Atom_Structure,
     &AtomBlock::Atom_Radius, &AtomBlock::Atom_SymRadius},
    {{{1, kLastElement}, {0, 9999}, {0, 9999}, {0, 9999}, {0, kLastStructure}, {0, 9999}, {0, 9999}}},
    AtomPointName,
};

}  // namespace orbweave
