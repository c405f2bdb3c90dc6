#pragma once

// The universe values of a run, each named like the stored value that holds
// it. The renderer keeps the values of the current run in one of these; the
// value table points into it, so that the store reader, the run's clamps and
// the dialog preview all walk the same rows.

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

    bool operator==(const UniverseSettings&) const = default;
};

}  // namespace orbweave
