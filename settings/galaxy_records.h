#pragma once

// The galaxy-type and composite-galaxy records. Saved fields carry the name of
// the stored value that holds them; fields prefixed Run_ are derived by the
// renderer and never saved. Widths are those of the stored form: 16-bit fields
// stay 16-bit and flags keep their stored numbers (true is -1 in memory).

#include <array>
#include <cstdint>
#include <string>

namespace orbweave {

inline constexpr int kIfsPointCapacity = 5;
inline constexpr int kAtomCapacity = 32;
inline constexpr int kCompMemberCapacity = 50;
inline constexpr int kLevelCapacity = 10;
inline constexpr int kEventTableSize = 100;

// User-defined iterated function system (galaxy style 8).
struct IfsBlock {
    std::int16_t Galaxy_IFS_Points = 0;
    std::int16_t IFS_CenterX = 0;
    std::int16_t IFS_CenterY = 0;
    std::int16_t IFS_CenterZ = 0;
    std::array<std::int16_t, kIfsPointCapacity> IFS_X{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Y{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Z{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Scale{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Axis{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Angle{};
    std::array<std::int16_t, kIfsPointCapacity> IFS_Pct{};
    std::array<std::int16_t, kIfsPointCapacity> Run_IfsCumPct{};
    std::array<float, kIfsPointCapacity> Run_IfsOffX{};
    std::array<float, kIfsPointCapacity> Run_IfsOffY{};
    std::array<float, kIfsPointCapacity> Run_IfsOffZ{};
    std::array<float, kIfsPointCapacity> Run_IfsScale{};
    std::array<float, kIfsPointCapacity> Run_IfsCos{};
    std::array<float, kIfsPointCapacity> Run_IfsSin{};

    bool operator==(const IfsBlock&) const = default;
};

// User-defined molecular structure (galaxy style 9).
struct AtomBlock {
    std::int16_t Galaxy_Atoms = 0;
    std::int16_t Atom_CenterX = 0;
    std::int16_t Atom_CenterY = 0;
    std::int16_t Atom_CenterZ = 0;
    std::array<std::int16_t, kAtomCapacity> Atom_Element{};
    std::array<std::int16_t, kAtomCapacity> Atom_Structure{};
    // For the grid and matrix structure types (6 to 11): points per side.
    std::array<std::int16_t, kAtomCapacity> Atom_X{};
    std::array<std::int16_t, kAtomCapacity> Atom_Y{};
    std::array<std::int16_t, kAtomCapacity> Atom_Z{};
    std::array<std::int16_t, kAtomCapacity> Atom_Radius{};
    std::array<std::int16_t, kAtomCapacity> Atom_SymRadius{};
    std::array<std::int16_t, kAtomCapacity> Run_AtomPoints{};
    std::array<std::int16_t, kAtomCapacity> Run_AtomCumPoints{};
    std::array<float, kAtomCapacity> Run_AtomOffX{};
    std::array<float, kAtomCapacity> Run_AtomOffY{};
    std::array<float, kAtomCapacity> Run_AtomOffZ{};
    std::array<float, kAtomCapacity> Run_AtomRad{};
    std::array<float, kAtomCapacity> Run_AtomSym{};
    std::array<float, kAtomCapacity> Run_AtomSymHalf{};
    std::array<float, kAtomCapacity> Run_AtomSym0595{};
    std::array<float, kAtomCapacity> Run_AtomSym0707{};
    std::array<float, kAtomCapacity> Run_AtomSym0866{};

    bool operator==(const AtomBlock&) const = default;
};

// One galaxy type: the recipe from which the renderer draws galaxies.
struct UniGalaxy {
    std::int16_t _UniGalPct = 0;
    std::string _UniGalName;
    std::int16_t Run_IsComposite = 0;
    std::int16_t Galaxy_StdLevels = 0;
    std::int32_t Galaxy_StdLevDRad = 0;
    float Galaxy_StdLevHSca = 0;
    std::int16_t Galaxy_StdLevB_HS = 0;
    std::int16_t Galaxy_StdLevB_A0 = 0;
    std::int16_t Galaxy_StdLevB_A1 = 0;
    std::int16_t Galaxy_HueRed = 0;
    std::int16_t Galaxy_HueGrn = 0;
    std::int16_t Galaxy_HueBlu = 0;
    std::int16_t Galaxy_HueBase = 0;
    std::int32_t Galaxy_Radius = 0;
    std::int32_t Galaxy_Rotation = 0;
    std::int32_t Galaxy_Distance = 0;
    std::int16_t Galaxy_RadSegs = 0;
    float Galaxy_RadFill = 0;
    std::int16_t Galaxy_RadBands = 0;
    float Galaxy_RadBFill = 0;
    std::int16_t Galaxy_NewFreq = 0;
    std::int16_t Galaxy_NewFrames = 0;
    std::int16_t Galaxy_NewExtMult = 0;
    std::array<std::int32_t, kEventTableSize> Run_NewColorRamp{};
    std::int16_t Galaxy_NovaFreq = 0;
    std::int16_t Galaxy_NovaFrames = 0;
    std::int16_t Galaxy_NovaExtMult = 0;
    std::int16_t Galaxy_PulsarFreq = 0;
    std::int16_t Galaxy_PulsarDepth = 0;
    std::int16_t Galaxy_PulsarShape = 0;
    std::int16_t Galaxy_PulsarCycles = 0;
    std::int16_t Galaxy_PulsarFrames = 0;
    std::int16_t Galaxy_PulsarMinExt = 0;
    std::int16_t Galaxy_PulsarMaxExt = 0;
    std::array<float, kEventTableSize> Run_PulsarSize{};
    std::array<std::int32_t, kEventTableSize> Run_PulsarColor{};
    std::int16_t Galaxy_CometFreq = 0;
    std::int16_t Galaxy_CometStars = 0;
    std::int16_t Galaxy_CometOrbit = 0;
    std::int16_t Galaxy_CometSpeed = 0;
    std::int16_t Galaxy_CometSWind = 0;
    float Galaxy_CometCPersist = 0;
    float Galaxy_CometSPersist = 0;
    std::int16_t Galaxy_CometVector = 0;
    std::int16_t Galaxy_HWC_Start = 0;
    std::int16_t Galaxy_HWC_End = 0;
    float Run_CometHuePhase = 0;
    float Galaxy_HWC_Inc = 0;
    std::int16_t Run_CometHueStart = 0;
    std::int16_t Run_CometHueEnd = 0;
    float Galaxy_GHW_Ratio = 0;
    float Galaxy_RadiusExp = 0;
    float Galaxy_HeightExp = 0;
    float Galaxy_AngleTilt = 0;
    float Galaxy_AngleTInc = 0;
    std::int32_t Galaxy_ColorMult = 0;
    float Galaxy_HWheelInc = 0;
    float Run_HuePhase = 0;
    std::int16_t Run_HueCycles = 0;
    std::int16_t Galaxy_GalStyle = 0;
    std::int16_t Galaxy_AxisPlane = 0;
    std::int16_t Galaxy_ColorComp = 0;
    std::int16_t Galaxy_HueStart = 0;
    std::int16_t Galaxy_Profile = 0;
    std::int16_t Galaxy_DX_Blend = 0;
    std::int16_t Galaxy_CP_Points = 0;
    std::int16_t Galaxy_CP_Steps = 0;
    std::int16_t Galaxy_CP_Close = 0;
    std::int16_t Galaxy_CP_AdvHW = 0;
    std::int16_t Galaxy_CP_B_Pts = 0;
    std::int16_t Galaxy_CP_B_Exp = 0;
    std::int16_t Galaxy_CP_B_Spd = 0;
    float Run_NebulaTravel = 0;
    std::int16_t Run_FigureIndex = 0;
    float Galaxy_QG_Force = 0;
    std::int16_t Run_RadBFillInt = 0;
    float Run_WaveAmp = 0;
    float Run_WaveStep = 0;
    float Run_ArmAngle = 0;
    float Run_TiltAngle = 0;
    std::array<float, kLevelCapacity> Run_LevelAngle{};
    std::array<float, kLevelCapacity> Run_LevelCos{};
    std::array<float, kLevelCapacity> Run_LevelSin{};
    IfsBlock Ifs;
    AtomBlock Atoms;
    std::int16_t Run_PlotMode = 0;

    // Constants derived by the renderer before drawing.
    float Run_Radius = 0;
    float Run_RadiusSq = 0;
    float Run_OuterRadius = 0;
    float Run_Radius100 = 0;
    float Run_RotStep = 0;
    float Run_RotStep8 = 0;
    float Run_KeplerK = 0;
    float Run_Distance = 0;
    float Run_RadFill = 0;
    float Run_RadBFill = 0;
    float Run_SegAngle = 0;
    float Run_BandCos = 0;
    float Run_BandSin = 0;
    float Run_ArmCos = 0;
    float Run_ArmSin = 0;
    float Run_RotCos8 = 0;
    float Run_RotSin8 = 0;
    float Run_RotCos = 0;
    float Run_RotSin = 0;
    std::array<float, kLevelCapacity> Run_LevelTilt{};
    std::array<float, kLevelCapacity> Run_LevelTiltInc{};
    float Run_ColorMult10th = 0;
    float Run_ColorMult1000th = 0;
    float Run_HeightExpK = 0;
    float Run_CpBExpK = 0;
    float Run_CpBSpdK = 0;
    float Run_ForceK = 0;
    float Run_NewExtK = 0;
    float Run_NovaFreqP = 0;
    float Run_NovaExtK = 0;
    float Run_PulsarFreqP = 0;
    float Run_PulsarDepthK = 0;
    float Run_CometFreqP = 0;
    float Run_CometOrbitK = 0;
    float Run_CometSpeedK = 0;
    float Run_CometSWindK = 0;
    float Run_LevelDRad = 0;

    bool operator==(const UniGalaxy&) const = default;
};

// A composite galaxy: several galaxy types drawn as one galaxy around one centre.
struct CompGalaxy {
    std::string _CompGalName;
    std::int16_t _CompGalPct = 0;
    // Members in use; a composite holds its major type and up to 49 minor types.
    std::int16_t CompGal_Count = 0;
    // Galaxy-type indices of the members: entry 0 is the major type.
    std::array<std::int16_t, kCompMemberCapacity> CompGal_Type{};
    std::array<std::int16_t, kCompMemberCapacity> Run_CumLevels{};

    bool operator==(const CompGalaxy&) const = default;
};

}  // namespace orbweave
