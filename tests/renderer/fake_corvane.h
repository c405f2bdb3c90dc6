// What the stand-in libcorvane.so records of each blend call: the routine
// (15, 16, 24 or 32 for the surface's layout) and every argument.
#pragma once

#include <cstdint>

struct FakeBlendCall {
    int routine;
    void* surfaceStart;
    const void* surfaceEnd;
    std::uint32_t* workStart;
    std::int32_t rowLength;
    std::int32_t pitch;
    std::int32_t factor;
    std::intptr_t offsetA;
    std::intptr_t offsetB;
};
