// The universe values of the renderer, each named like the stored value that
// holds it, and the hue ramps of the universe stars and of each galaxy type's
// novas and comets.
#pragma once

#include <array>
#include <cstdint>

namespace orbweave {

// Zero until the first load: a value no load has set reads 0 (false).
struct UniverseSettings {
    std::int32_t Universe_Stars = 0;
    std::int16_t Universe_Galaxy = 0;
    float Universe_Expand = 0;
    std::int16_t Universe_ESteps = 0;
    float Universe_Persist = 0;
    float Universe_Damping = 0;
    std::int16_t Universe_Recycle = 0;
    std::int16_t Universe_Profile = 0;  // 0..49 a type, 50 random, 51 next in turn
    std::int16_t Universe_NewFreq = 0;  // hundredths of a star per frame
    float Universe_NewPctStEx = 0;      // percent
    bool Universe_Tour = false;
    std::int16_t Universe_GSteps = 0;
    std::int16_t Universe_GPCtrl = 0;
    std::int16_t Universe_GCCtrl = 0;
    float Universe_DstCen = 0;
    std::int16_t Universe_C_Ramp = 0;
    bool Universe_GVisit = false;
    bool Universe_RotCam = false;
    std::int32_t Universe_AmStar = 0;
    std::int16_t Universe_AmFrames = 0;
    float Universe_AmMaxExt = 0;
    float Universe_AmPers = 0;
    float Universe_AmCAge = 0;
    float Universe_GravForce = 0;
    std::int16_t Universe_GravFrame = 0;
    float DX_BlendUniBurst = 0;
    float DX_BlendUniTravel = 0;
};

// The values of the current run; the dialog previews set them too.
extern UniverseSettings Universe;

inline constexpr int kHueRampEntries = 81;  // 80 colours, then black

extern std::array<std::int32_t, kHueRampEntries> UniverseHueRamp;
extern std::array<std::array<std::int32_t, kHueRampEntries>, 51> TypeHueRamps;

// Reads the universe values of the current user as stored (no range checks),
// the tour list, both galaxy tables, then rebuilds the colour tables. The
// control-panel preview draws 0.65 of the stars and half the ambient stars.
void LoadUniverseSettings(bool preview);

// Builds the universe ramp from hueStart towards hueEnd (-1 reads either
// from the stored universe values) and each type's ramp from its comet hues.
void BuildHueWheels(std::int16_t hueStart, std::int16_t hueEnd);

}  // namespace orbweave
