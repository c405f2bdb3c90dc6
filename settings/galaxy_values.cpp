#include "settings/galaxy_values.h"

#include "core/convert.h"

namespace orbweave {
namespace {

std::string IfsPointName(int j) { return NumberedName("IFS_P", j); }
// Atom values carry two digits: "Atom_P00" .. "Atom_P31".
std::string AtomPointName(int j) { return NumberedName(j < 10 ? "Atom_P0" : "Atom_P", j); }

}  // namespace

const std::array<GalaxyValue, kGalaxyValueCount> kGalaxyValues{
    GalaxyInt16Value{"_UniGalPct", &UniGalaxy::_UniGalPct, 0},
    GalaxyNameValue{"_UniGalName"},
    GalaxyInt16Value{"Galaxy_HueRed", &UniGalaxy::Galaxy_HueRed, 100},
    GalaxyInt16Value{"Galaxy_HueGrn", &UniGalaxy::Galaxy_HueGrn, 100},
    GalaxyInt16Value{"Galaxy_HueBlu", &UniGalaxy::Galaxy_HueBlu, 100},
    GalaxyInt16Value{"Galaxy_HueBase", &UniGalaxy::Galaxy_HueBase, 0},
    GalaxyInt16Value{"Galaxy_DX_Blend", &UniGalaxy::Galaxy_DX_Blend, 70},
    GalaxyInt32Value{"Galaxy_Radius", &UniGalaxy::Galaxy_Radius, 300},
    GalaxyInt32Value{"Galaxy_Rotation", &UniGalaxy::Galaxy_Rotation, 500},
    GalaxyInt32Value{"Galaxy_Distance", &UniGalaxy::Galaxy_Distance, 400},
    GalaxyInt16Value{"Galaxy_RadSegs", &UniGalaxy::Galaxy_RadSegs, 1},
    GalaxySingleValue{"Galaxy_RadFill", &UniGalaxy::Galaxy_RadFill, 100},
    GalaxyInt16Value{"Galaxy_RadBands", &UniGalaxy::Galaxy_RadBands, 1},
    GalaxySingleValue{"Galaxy_RadBFill", &UniGalaxy::Galaxy_RadBFill, 100},
    GalaxyInt32Value{"Galaxy_ColorMult", &UniGalaxy::Galaxy_ColorMult, 1800},
    GalaxyInt16Value{"Galaxy_NewFreq", &UniGalaxy::Galaxy_NewFreq, 400},
    GalaxyInt16Value{"Galaxy_NewFrames", &UniGalaxy::Galaxy_NewFrames, 8},
    GalaxyInt16Value{"Galaxy_NewExtMult", &UniGalaxy::Galaxy_NewExtMult, 100},
    GalaxyInt16Value{"Galaxy_NovaFreq", &UniGalaxy::Galaxy_NovaFreq, 320},
    GalaxyInt16Value{"Galaxy_NovaFrames", &UniGalaxy::Galaxy_NovaFrames, 30},
    GalaxyInt16Value{"Galaxy_NovaExtMult", &UniGalaxy::Galaxy_NovaExtMult, 600},
    GalaxyInt16Value{"Galaxy_PulsarFreq", &UniGalaxy::Galaxy_PulsarFreq, 0},
    GalaxyInt16Value{"Galaxy_PulsarDepth", &UniGalaxy::Galaxy_PulsarDepth, 100},
    GalaxyInt16Value{"Galaxy_PulsarShape", &UniGalaxy::Galaxy_PulsarShape, 0},
    GalaxyInt16Value{"Galaxy_PulsarCycles", &UniGalaxy::Galaxy_PulsarCycles, 1},
    GalaxyInt16Value{"Galaxy_PulsarFrames", &UniGalaxy::Galaxy_PulsarFrames, 40},
    GalaxyInt16Value{"Galaxy_PulsarMinExt", &UniGalaxy::Galaxy_PulsarMinExt, 50},
    GalaxyInt16Value{"Galaxy_PulsarMaxExt", &UniGalaxy::Galaxy_PulsarMaxExt, 1000},
    GalaxyInt16Value{"Galaxy_CometFreq", &UniGalaxy::Galaxy_CometFreq, 400},
    GalaxyInt16Value{"Galaxy_CometStars", &UniGalaxy::Galaxy_CometStars, 60},
    GalaxyInt16Value{"Galaxy_CometOrbit", &UniGalaxy::Galaxy_CometOrbit, 100},
    GalaxyInt16Value{"Galaxy_CometSpeed", &UniGalaxy::Galaxy_CometSpeed, 50},
    GalaxyInt16Value{"Galaxy_CometSWind", &UniGalaxy::Galaxy_CometSWind, 200},
    GalaxySingleValue{"Galaxy_CometSPersist", &UniGalaxy::Galaxy_CometSPersist, 0.95f},
    GalaxySingleValue{"Galaxy_CometCPersist", &UniGalaxy::Galaxy_CometCPersist, 0.9975f},
    GalaxyFlagValue{"Galaxy_CometVector", &UniGalaxy::Galaxy_CometVector},
    GalaxyInt16Value{"Galaxy_HWC_Start", &UniGalaxy::Galaxy_HWC_Start, 140},
    GalaxyInt16Value{"Galaxy_HWC_End", &UniGalaxy::Galaxy_HWC_End, 220},
    GalaxySingleValue{"Galaxy_HWC_Inc", &UniGalaxy::Galaxy_HWC_Inc, 0},
    GalaxySingleValue{"Galaxy_GHW_Ratio", &UniGalaxy::Galaxy_GHW_Ratio, 0.3f},
    GalaxySingleValue{"Galaxy_RadiusExp", &UniGalaxy::Galaxy_RadiusExp, 1.15f},
    GalaxySingleValue{"Galaxy_HeightExp", &UniGalaxy::Galaxy_HeightExp, 2},
    GalaxySingleValue{"Galaxy_AngleTilt", &UniGalaxy::Galaxy_AngleTilt, 170},
    GalaxySingleValue{"Galaxy_AngleTInc", &UniGalaxy::Galaxy_AngleTInc, 0},
    GalaxySingleValue{"Galaxy_HWheelInc", &UniGalaxy::Galaxy_HWheelInc, 0.005f},
    GalaxyInt16Value{"Galaxy_GalStyle", &UniGalaxy::Galaxy_GalStyle, 0},
    GalaxyInt16Value{"Galaxy_AxisPlane", &UniGalaxy::Galaxy_AxisPlane, 0},
    GalaxyInt16Value{"Galaxy_ColorComp", &UniGalaxy::Galaxy_ColorComp, 3},
    GalaxyInt16Value{"Galaxy_HueStart", &UniGalaxy::Galaxy_HueStart, 240},
    GalaxyInt16Value{"Galaxy_Profile", &UniGalaxy::Galaxy_Profile, 0},
    GalaxyInt16Value{"Galaxy_CP_Points", &UniGalaxy::Galaxy_CP_Points, 8},
    GalaxyInt16Value{"Galaxy_CP_Steps", &UniGalaxy::Galaxy_CP_Steps, 500},
    GalaxyInt16Value{"Galaxy_CP_B_Pts", &UniGalaxy::Galaxy_CP_B_Pts, 1},
    GalaxyInt16Value{"Galaxy_CP_B_Exp", &UniGalaxy::Galaxy_CP_B_Exp, 100},
    GalaxyInt16Value{"Galaxy_CP_B_Spd", &UniGalaxy::Galaxy_CP_B_Spd, 0},
    GalaxyInt16Value{"Galaxy_CP_Close", &UniGalaxy::Galaxy_CP_Close, 1},
    GalaxyInt16Value{"Galaxy_CP_AdvHW", &UniGalaxy::Galaxy_CP_AdvHW, 0},
    GalaxySingleValue{"Galaxy_QG_Force", &UniGalaxy::Galaxy_QG_Force, 5},
    GalaxyInt16Value{"Galaxy_StdLevels", &UniGalaxy::Galaxy_StdLevels, 1},
    GalaxyInt32Value{"Galaxy_StdLevDRad", &UniGalaxy::Galaxy_StdLevDRad, 300},
    GalaxySingleValue{"Galaxy_StdLevHSca", &UniGalaxy::Galaxy_StdLevHSca, 1},
    GalaxyInt16Value{"Galaxy_StdLevB_HS", &UniGalaxy::Galaxy_StdLevB_HS, 0},
    GalaxyInt16Value{"Galaxy_StdLevB_A0", &UniGalaxy::Galaxy_StdLevB_A0, 0},
    GalaxyInt16Value{"Galaxy_StdLevB_A1", &UniGalaxy::Galaxy_StdLevB_A1, 0},
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
    {&IfsBlock::IFS_X, &IfsBlock::IFS_Y, &IfsBlock::IFS_Z, &IfsBlock::IFS_Scale, &IfsBlock::IFS_Axis,
     &IfsBlock::IFS_Angle, &IfsBlock::IFS_Pct},
    IfsPointName,
};

// An atom's point text starts with its element; the factory rows order differs.
const ElementBlockLayout<AtomBlock, kAtomCapacity> kAtomLayout{
    "Galaxy_Atoms",
    "ATOMIC",
    &AtomBlock::Galaxy_Atoms,
    {&AtomBlock::Atom_CenterX, &AtomBlock::Atom_CenterY, &AtomBlock::Atom_CenterZ},
    {"Atom_CenterX", "Atom_CenterY", "Atom_CenterZ"},
    {&AtomBlock::Atom_Element, &AtomBlock::Atom_X, &AtomBlock::Atom_Y, &AtomBlock::Atom_Z,
     &AtomBlock::Atom_Structure, &AtomBlock::Atom_Radius, &AtomBlock::Atom_SymRadius},
    AtomPointName,
};

}  // namespace orbweave
